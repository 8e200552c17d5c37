// The template manager (Form8), the template preview (Form19) and a photo's templates
// (Form20) over the test library, run as a person would: the main window's 模板管理, photos
// dragged with the mouse onto the frames, the questions answered.

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/Form17.h"
#include "app/Form18.h"
#include "app/Form2.h"
#include "app/Form3Tables.h"
#include "app/MainForm.h"
#include "photos/ManualMatching.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/Container.h"
#include "templates/Form19.h"
#include "templates/Form19Pictures.h"
#include "templates/Form20.h"
#include "templates/Form8.h"
#include "templates/LibraryFolders.h"
#include "templates/TemplateTables.h"
#include "tests/app/PhotoWindowsFixture.h"

namespace {

class TemplateManagerWindow : public PhotoWindows {
protected:
    void SetUp() override {
        PhotoWindows::SetUp();
        buildTestLibrary();
    }

    // Opens the template manager through the main window and runs `body` inside it (the
    // moving picture off unless `hint`), then closes it with 返回.
    void inManager(Form2& main, const std::function<void(Form8&)>& body, bool hint = false) {
        desktop_->queueModalAction("Form8", [body, hint](Window& w) {
            auto& manager = static_cast<Form8&>(w);
            manager.CheckBox_tishi->setChecked(hint);
            manager.finishLoading();
            body(manager);
            if (manager.isVisible()) manager.Button6Click();
        });
        main.runCommand("Button11Click");
    }

    void answerNextQuestionCancel() {
        desktop_->queueModalAction("Form17", [this](Window& w) {
            questions_.append(static_cast<Form17&>(w).message());
            static_cast<Form17&>(w).Button2Click();
        });
    }

    // The library list's row of a template listed under `category`.
    static int libraryRow(const QString& name, const QString& category) {
        const TextTable& list = table("Form8", "ListView_moban");
        for (int row = 0; row < list.rowCount(); ++row)
            if (list.cell(row, TemplateList::Col::Name) == name && list.cell(row, TemplateList::Col::Group) == category)
                return row;
        ADD_FAILURE() << name.toStdString();
        return -1;
    }

    void emptyAlbum(Form8& manager) {
        answerNextQuestionOk();
        manager.Button5Click();
    }

    static void use(Form8& manager, const QString& name, const QString& category) {
        manager.selectLibraryRow(libraryRow(name, category));
        manager.Button1Click();
    }

    static void show(Form8& manager, int usedRow) {
        manager.selectUsedRow(usedRow);
        manager.ListView_moban_shiyongClick();
    }

    static TextTable& used() { return table("Form8", "ListView_moban_shiyong"); }
    static TextTable& slotTable() { return table("Form8", "ListView_moban_shiyong_canshu"); }
    static TextTable& photos() { return table("Form3", "ListView_daoru_zhaopian"); }

    static std::vector<int> slotPhotos() {
        std::vector<int> rows;
        for (int s = 0; s < slotTable().rowCount(); ++s) rows.push_back(SlotPhotoRow(slotTable(), s));
        return rows;
    }

    int timesShown(const QString& window) const { return int(desktop_->modalsShown().count(window)); }
};

// Presses on `from` and releases over `to` with the mouse, as a drag that ends there.
void DragOnto(QWidget* from, QWidget* to) {
    const QPoint start = from->mapToGlobal(from->rect().center());
    const QPoint end = to->mapToGlobal(to->rect().center());
    auto send = [from](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(from->mapFromGlobal(global)), QPointF(global), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(from, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}

bool IsYellow(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 90; }
bool IsTeal(QColor c) { return c.red() < 50 && c.green() > 100 && c.green() < 160 && c.blue() > 100 && c.blue() < 160; }
bool IsBlue(QColor c) { return c.blue() > 180 && c.red() < 80 && c.green() < 80; }

}  // namespace

TEST_F(TemplateManagerWindow, LoadsOneNumberedTilePerPhotoFourToARow) {
    const QStringList names = {"a", "b", "c", "d", "e"};
    QStringList files;
    for (const QString& name : names) files.append(photo(name + ".jpg", {800, 600}));
    run([&](Form2& main) {
        addPhotos(files);
        messages_.clear();
        inManager(main, [&](Form8& manager) {
            ASSERT_EQ(manager.photoTileCount(), 5);
            const QPoint places[] = {{10, 10}, {153, 10}, {296, 10}, {439, 10}, {10, 136}};
            for (int n = 0; n < 5; ++n) {
                QLabel* tile = manager.photoTile(n);
                EXPECT_EQ(tile->objectName(), PhotoTileName(n));
                EXPECT_EQ(tile->pos(), places[n]) << n;
                EXPECT_EQ(tile->size(), QSize(128, 106));
                const auto* label = tile->parentWidget()->findChild<QLabel*>(PhotoLabelName(n));
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->geometry(), QRect(places[n] + QPoint(0, 106), QSize(128, 25)));
                EXPECT_EQ(label->text(), names[n]);
            }
            EXPECT_EQ(manager.photoTile(4)->toolTip(), "第5张, 照片名称: e");
            // 800 x 600 fits 112 x 84 on a panel 6 larger; its number on the yellow box.
            const QImage thumbnail = manager.photoTile(0)->pixmap().toImage();
            EXPECT_EQ(thumbnail.size(), QSize(118, 90));
            EXPECT_TRUE(IsYellow(thumbnail.pixelColor(4, 4)));
            EXPECT_FALSE(Windows::get<MainForm>()->numberShown());
            EXPECT_EQ(manager.ProgressBar1->value(), 5);
            EXPECT_EQ(messages_, QStringList({"加载照片文件完成！"}));
        });
        // Closing destroys every tile.
        EXPECT_EQ(Windows::get<Form8>()->photoTileCount(), 0);
        EXPECT_EQ(Windows::get<Form8>()->field("Edit_zhaopian_kuang"), "wu");
    });
}

TEST_F(TemplateManagerWindow, PhotosDraggedOntoTheFramesOfTheTemplateShownCompleteIt) {
    const QStringList files = {photo("h.jpg", {800, 600}), photo("v.jpg", {600, 800}), photo("sq.jpg", {700, 700})};
    run([&](Form2& main) {
        addPhotos(files);
        inManager(
            main,
            [&](Form8& manager) {
                emptyAlbum(manager);
                use(manager, "测试组合", "综合模板");
                ASSERT_EQ(used().rowCount(), 1);
                EXPECT_EQ(used().cell(0, UsedTemplateColumn::kMatched), "未完成");
                EXPECT_EQ(slotPhotos(), std::vector<int>({-1, -1, -1}));
                // The moving picture has gone and the controls are back.
                EXPECT_FALSE(manager.findChild<QLabel*>("Image_tishi")->isVisible());
                EXPECT_TRUE(manager.findChild<QPushButton*>("Button1")->isEnabled());

                show(manager, 0);
                ASSERT_EQ(manager.frameCount(), 3);
                const char* kinds[] = {"heng", "heng", "shu"};
                for (int k = 0; k < 3; ++k) {
                    EXPECT_EQ(manager.frameTile(k)->objectName(), FrameTileName(k));
                    EXPECT_EQ(manager.frameLabel(k)->toolTip(), kinds[k]);
                    EXPECT_EQ(manager.frameLabel(k)->text(), "显示照片名称");
                }
                EXPECT_EQ(manager.field("Edit_mobanhangshu"), "1");
                EXPECT_EQ(manager.field("Edit_mobanmingcheng"), "测试组合");
                EXPECT_EQ(manager.field("Edit_tianjia_hengzhaopian"), "0");
                EXPECT_EQ(manager.field("Edit_zhaopian_kuang"), "xiezai_zhaopian_kuang");

                messages_.clear();
                // A vertical photo on a horizontal frame is refused.
                ASSERT_TRUE(manager.dragPhotoToFrame(1, 0));
                EXPECT_EQ(messages_, QStringList({"此处需要一张横照片！"}));
                // A photo released away from every frame goes back.
                DragOnto(manager.photoTile(0), manager.photoTile(2));
                EXPECT_EQ(slotPhotos(), std::vector<int>({-1, -1, -1}));
                EXPECT_EQ(manager.frameLabel(0)->text(), "显示照片名称");

                ASSERT_TRUE(manager.dragPhotoToFrame(0, 0));
                ASSERT_TRUE(manager.dragPhotoToFrame(2, 1));  // a square photo is horizontal
                EXPECT_EQ(used().cell(0, UsedTemplateColumn::kMatched), "未完成");
                ASSERT_TRUE(manager.dragPhotoToFrame(1, 2));
                EXPECT_EQ(used().cell(0, UsedTemplateColumn::kMatched), "已完成");
                EXPECT_EQ(slotPhotos(), std::vector<int>({0, 2, 1}));
                EXPECT_EQ(manager.frameLabel(1)->text(), "sq");
                EXPECT_EQ(messages_.size(), 1);
                for (int row = 0; row < 3; ++row) EXPECT_TRUE(PhotoIsPlaced(photos(), row));

                // Shown again, the frames hold their photos.
                show(manager, 0);
                EXPECT_EQ(manager.frameTile(2)->pixmap().size(), manager.photoTile(1)->pixmap().size());
                EXPECT_EQ(manager.frameLabel(2)->text(), "v");
            },
            true);
        // The main window lists the album's template.
        const TextTable& summary = *main.ListView_daoru_moban;
        ASSERT_EQ(summary.rowCount(), 1);
        EXPECT_EQ(summary.cell(0, 1), "测试组合");
    });
}

TEST_F(TemplateManagerWindow, DeletingTheFirstOfThreeTemplatesShiftsTheOthersAndRenumbersThem) {
    const QStringList files = {photo("a.jpg", {800, 600}), photo("b.jpg", {800, 600}), photo("c.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        ASSERT_EQ(used().rowCount(), 3);
        const QString second = used().cell(1, UsedTemplateColumn::kName);
        inManager(main, [&](Form8& manager) {
            show(manager, 0);
            answerNextQuestionCancel();
            manager.Button4Click();
            EXPECT_EQ(used().rowCount(), 3);
            EXPECT_EQ(manager.frameCount(), 1);

            messages_.clear();
            answerNextQuestionOk();
            manager.Button4Click();
            EXPECT_EQ(questions_, QStringList({"是否确定要删除当前选中已经使用的模板文件?",
                                               "是否确定要删除当前选中已经使用的模板文件?"}));
            ASSERT_EQ(used().rowCount(), 2);
            EXPECT_EQ(used().cell(0, UsedTemplateColumn::kName), second);
            EXPECT_EQ(used().cell(0, UsedTemplateColumn::kNumber), "1");
            EXPECT_EQ(used().cell(1, UsedTemplateColumn::kNumber), "2");
            ASSERT_EQ(slotTable().rowCount(), 2);
            EXPECT_EQ(SlotUsedRow(slotTable(), 0), 0);
            EXPECT_EQ(SlotUsedRow(slotTable(), 1), 1);
            EXPECT_EQ(table("Form21", "ListView_moban_beijing").rowCount(), 2);
            EXPECT_FALSE(PhotoIsPlaced(photos(), 0));
            EXPECT_TRUE(PhotoIsPlaced(photos(), 1));
            EXPECT_EQ(manager.frameCount(), 0);
            EXPECT_EQ(manager.field("Edit_zhaopian_kuang"), "wu");
            EXPECT_TRUE(manager.field("Edit_mobanhangshu").isEmpty());
            manager.Button4Click();
            EXPECT_EQ(messages_, QStringList({"选中的模板文件已经删除！", "没有选中模板文件！"}));

            messages_.clear();
            answerNextQuestionOk();
            manager.Button5Click();
            EXPECT_EQ(used().rowCount(), 0);
            EXPECT_EQ(slotTable().rowCount(), 0);
            EXPECT_EQ(CountWaitingPhotos(photos()), 3);
            manager.Button5Click();
            EXPECT_EQ(messages_, QStringList({"已经使用的模板文件已经全部删除！", "没有添加模板文件！"}));
        });
    });
}

TEST_F(TemplateManagerWindow, AUsedTemplateWithTwoEmptyFramesIsNotPreviewed) {
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        inManager(main, [&](Form8& manager) {
            emptyAlbum(manager);
            use(manager, "测试组合", "综合模板");
            messages_.clear();
            manager.selectUsedRow(0);
            manager.Button3Click();  // no template shown yet
            show(manager, 0);
            ASSERT_TRUE(manager.dragPhotoToFrame(0, 0));
            manager.Button3Click();
            EXPECT_EQ(messages_, QStringList({"没有选中模板文件！", "选中的模板文件,照片与此模板还有 2 处没有完成匹配！"}));
        });
        EXPECT_EQ(timesShown("Form19"), 0);
    });
}

TEST_F(TemplateManagerWindow, ALibraryTemplatePreviewsWithPlaceholderBoxesAndStopsOnItsLastFrame) {
    struct Case {
        const char* name;
        const char* category;
        bool displayButtons;
        QSize full;
        QSize fit;
    } cases[] = {
        {"测试横照", "横照模板", true, {640, 360}, {540, 360}},
        {"测试竖照", "竖照模板", false, {360, 640}, {360, 640}},
    };
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        inManager(main, [&](Form8& manager) {
            for (const Case& c : cases) {
                struct Seen {
                    bool prepared = false, buttons = false, teal = false, ended = false, back = false;
                    QSize full, fit;
                    QString mode;
                } seen;
                desktop_->queueModalAction("Form19", [&seen](Window& w) {
                    auto& preview = static_cast<Form19&>(w);
                    seen.prepared = waitUntil([&] { return preview.prepared(); }, 10000);
                    seen.mode = preview.field("Edit_caozuo_xuanze");
                    seen.buttons = preview.RadioButton_shizhong->isVisible();
                    const QImage box(TemplatePreviewLayout::Picture("xp_1"));
                    seen.full = box.size();
                    seen.teal = !box.isNull() && IsTeal(box.pixelColor(2, 2));
                    seen.ended = waitUntil([&] { return !preview.playing(); }, 10000) &&
                                 preview.player()->FrameNum() + 1 == preview.player()->TotalFrames();
                    seen.back = preview.findChild<QPushButton*>("Button6")->isEnabled();
                    preview.RadioButton_shizhong->click();
                    seen.fit = QImage(TemplatePreviewLayout::Picture("xp_1")).size();
                    // Played again with the new pictures, to its end again.
                    preview.Button2Click();
                    EXPECT_TRUE(preview.playing());
                    EXPECT_TRUE(waitUntil([&] { return !preview.playing(); }, 10000));
                    preview.Button6Click();
                });
                manager.selectLibraryRow(libraryRow(c.name, c.category));
                manager.Button2Click();
                EXPECT_TRUE(seen.prepared) << c.name;
                EXPECT_EQ(seen.mode, "yulan_yuanmoban");
                EXPECT_EQ(seen.buttons, c.displayButtons) << c.name;
                EXPECT_EQ(seen.full, c.full) << c.name;
                EXPECT_TRUE(seen.teal) << c.name;
                EXPECT_TRUE(seen.ended) << c.name;
                EXPECT_TRUE(seen.back) << c.name;
                EXPECT_EQ(seen.fit, c.fit) << c.name;
                // The preview's folders are gone once it has closed.
                EXPECT_FALSE(QFile::exists(Folders::PreviewWork())) << c.name;
            }
        });
        EXPECT_FALSE(filesBelow("lumdata/wj_0_or_2/wjj_00_j_y").filter(QRegularExpression("^wj_y_l_d_g_12-1\\d{6}\\.rar$")).isEmpty());
    });
}

TEST_F(TemplateManagerWindow, AUsedTemplatePreviewsWithTheAlbumsPhotos) {
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        ASSERT_EQ(used().rowCount(), 1);
        inManager(main, [&](Form8& manager) {
            QString mode;
            bool photoShown = false, buttons = false, ended = false;
            desktop_->queueModalAction("Form19", [&](Window& w) {
                auto& preview = static_cast<Form19&>(w);
                ASSERT_TRUE(waitUntil([&] { return preview.prepared(); }, 10000));
                mode = preview.field("Edit_caozuo_xuanze");
                buttons = preview.RadioButton_quanping->isVisible();
                // The photo fills the frame: red top left, blue elsewhere.
                const QImage picture(TemplatePreviewLayout::Picture("xp_1"));
                photoShown = !picture.isNull() && IsBlue(picture.pixelColor(picture.width() * 3 / 4, picture.height() * 3 / 4));
                ended = waitUntil([&] { return !preview.playing(); }, 10000);
                EXPECT_FALSE(preview.shownFrame().isNull());
                preview.Button6Click();
            });
            show(manager, 0);
            manager.Button3Click();
            EXPECT_EQ(mode, "yulan_shiyongmoban");
            EXPECT_TRUE(photoShown);
            EXPECT_TRUE(buttons);
            EXPECT_TRUE(ended);
        });
        EXPECT_TRUE(messages_.filter("无法").isEmpty()) << messages_.join("|").toStdString();
    });
}

TEST_F(TemplateManagerWindow, AMovieThatDoesNotLoadIsNamedAndThePreviewCloses) {
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        const TextTable& parameters = *main.ListView_mobancanshu;
        const QString container = ParameterTable::MoviePath(parameters, ParameterTable::RowOfTemplate(parameters, 0));
        inManager(main, [&](Form8& manager) {
            manager.selectLibraryRow(libraryRow("测试横照", "横照模板"));
            // Unwraps, but is no movie: the player refuses it.
            writeFile(QDir(folder_->path()).relativeFilePath(container), WrapLayers("no movie here", 20));
            messages_.clear();
            manager.Button2Click();
            EXPECT_EQ(timesShown("Form19"), 1);
            EXPECT_FALSE(Windows::get<Form19>()->isVisible());
            EXPECT_EQ(messages_.size(), 1);
            // Does not unwrap: named, and no preview is shown.
            writeFile(QDir(folder_->path()).relativeFilePath(container), "not a container");
            manager.Button2Click();
            EXPECT_EQ(timesShown("Form19"), 1);
            EXPECT_EQ(messages_.size(), 2);
        });
        EXPECT_FALSE(QFile::exists(Folders::PreviewWork()));
        EXPECT_FALSE(Program::ended());
    });
}

TEST_F(TemplateManagerWindow, APhotosTemplatesAreListedWithTheirCount) {
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2&) {
        addPhotos(files);
        const AlbumTables album = ProgramAlbumTables();
        DeleteAllUsedTemplates(album);
        const int row = libraryRow("测试横照", "横照模板");
        for (int k = 0; k < 3; ++k) {
            ASSERT_TRUE(UseTemplateByHand(ProgramLibraryTables(), album, row));
            ASSERT_TRUE(PlacePhotoInSlot(album, k, 0, PhotoSettings()));
        }
        QString label;
        int rows = 0;
        QStringList first;
        desktop_->queueModalAction("Form20", [&](Window& w) {
            auto& list = static_cast<Form20&>(w);
            label = w.findChild<QLabel*>("Label_zhaopian_shiyong_shuliang")->text();
            rows = list.ListView_zhaopian_yu_pipei_moban->rowCount();
            first = list.ListView_zhaopian_yu_pipei_moban->row(0);
            messages_.clear();
            list.Button2Click();  // nothing chosen
            EXPECT_TRUE(list.isVisible());
            list.Button3Click();
        });
        Windows::get<Form20>()->showForPhoto(0);
        EXPECT_EQ(Windows::get<Form2>()->field("Edit_hangshu"), "0");
        EXPECT_EQ(label, "此张照片用在 3 个模板文件中,选择下面一项后,点确定按钮,开始预览效果");
        EXPECT_EQ(rows, 3);
        EXPECT_EQ(first, QStringList({"1", "h", "测试横照", files[0], "0"}));
        EXPECT_EQ(messages_, QStringList({"没有选中模板文件！"}));
        EXPECT_EQ(timesShown("Form19"), 0);
    });
}

TEST_F(TemplateManagerWindow, ATemplateWithAnEmptySlotOffersTheTemplateManagerInsteadOfAPreview) {
    const QStringList files = {photo("h.jpg", {800, 600})};
    run([&](Form2& main) {
        addPhotos(files);
        const AlbumTables album = ProgramAlbumTables();
        DeleteAllUsedTemplates(album);
        ASSERT_TRUE(UseTemplateByHand(ProgramLibraryTables(), album, libraryRow("测试组合", "综合模板")));
        ASSERT_TRUE(PlacePhotoInSlot(album, 0, 0, PhotoSettings()));
        bool openAfterCancel = false;
        desktop_->queueModalAction("Form20", [&](Window& w) {
            auto& list = static_cast<Form20&>(w);
            list.selectRow(0);
            answerNextQuestionCancel();
            list.Button2Click();
            openAfterCancel = list.isVisible();
            answerNextQuestionOk();
            desktop_->queueModalAction("Form8", [](Window& manager) { manager.reject(); });
            list.Button2Click();
            // Form20 closes itself and the main window opens the template manager.
            EXPECT_TRUE(waitUntil([&] { return !list.isVisible(); }, 5000));
        });
        Windows::get<Form20>()->showForPhoto(0);
        EXPECT_TRUE(openAfterCancel);
        EXPECT_EQ(questions_.size(), 2);
        EXPECT_EQ(questions_.value(0), "此模板中的照片文件没有补全,是否确定现在去补全照片文件?");
        EXPECT_EQ(main.state().Edit_zidongkongzhi, "dakai_mobanguanli_anniu");
        waitUntil([&] { return timesShown("Form8") > 0; }, 5000);
        EXPECT_EQ(timesShown("Form8"), 1);
        EXPECT_EQ(timesShown("Form19"), 0);
    });
}

TEST_F(TemplateManagerWindow, APhotoInOneCompleteTemplateOpensItsPreviewAtOnce) {
    const QStringList files = {photo("v.jpg", {600, 800})};
    run([&](Form2&) {
        addPhotos(files);
        const AlbumTables album = ProgramAlbumTables();
        DeleteAllUsedTemplates(album);
        // The template of either orientation, as a vertical one: slot width 0, so the
        // vertical photo is fitted (crop mark "shizhong").
        ASSERT_TRUE(UseTemplateByHand(ProgramLibraryTables(), album, libraryRow("测试随意", "竖照模板")));
        ASSERT_TRUE(PlacePhotoInSlot(album, 0, 0, Windows::get<Form18>()->photoSettings()));
        ASSERT_EQ(slotTable().cell(0, SlotColumn::kCropMark), "shizhong");
        QString mode, row;
        bool fit = false, buttons = true;
        desktop_->queueModalAction("Form19", [&](Window& w) {
            auto& preview = static_cast<Form19&>(w);
            ASSERT_TRUE(waitUntil([&] { return preview.prepared(); }, 10000));
            mode = preview.field("Edit_caozuo_xuanze");
            row = preview.field("Edit_xuanzhong_hang");
            fit = preview.RadioButton_shizhong->isChecked();
            buttons = preview.RadioButton_shizhong->isVisible();
            preview.Button6Click();
        });
        Form20& list = *Windows::get<Form20>();
        list.showForPhoto(0);
        EXPECT_EQ(mode, "yulan_zhujiemian_duiying_shiyongmoban");
        EXPECT_EQ(row, "0");
        EXPECT_TRUE(fit);
        EXPECT_FALSE(buttons);
        EXPECT_FALSE(list.isVisible());

        // With the timer and no template to show, the window closes at once.
        Windows::get<Form2>()->setField("Edit_hangshu", "7");
        list.Timer_dakai_chuangkou->setEnabled(true);
        list.showModal();
        EXPECT_FALSE(list.isVisible());
        EXPECT_EQ(timesShown("Form19"), 1);
        // A photo in no template shows nothing at all.
        const int shown = timesShown("Form20");
        DeleteAllUsedTemplates(album);
        list.showForPhoto(0);
        EXPECT_EQ(timesShown("Form20"), shown);
    });
}
