#include "tests/photos/AlbumFixture.h"

#include <memory>

#include "photos/Backgrounds.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"

namespace {

QString Bars(const QStringList& items) {
    return items.isEmpty() ? QString() : "|" + items.join('|') + "|";
}

QStringList ParameterCaptions() {
    return {"模板类型", "模板分类", "相片数量", "相片宽度", "相片高度", "竖照横照", "相片JPG名称",
            "位置", "分类标注", "序号", "模板swf总帧数", "模板名称", "模板中所有照片"};
}

QStringList ClassCaptions() {
    return CandidateTableCaptions().mid(0, 14);
}

QStringList ListCaptions() {
    return {"序号", "模板", "类型", "横照片", "竖照片", "时长", "分类"};
}

}  // namespace

AlbumFixture::AlbumFixture()
    : parameters(ParameterCaptions()),
      horizontalClass(ClassCaptions()),
      verticalClass(ClassCaptions()),
      advancedClass(ClassCaptions()),
      templateList(ListCaptions()),
      photos(PhotoTableCaptions()),
      horizontalPhotos(HorizontalPhotoTableCaptions()),
      usedTemplates(UsedTemplateTableCaptions()),
      slotTable(SlotTableCaptions()),
      backgrounds(BackgroundTableCaptions()),
      pendingHorizontal(PendingPhotoTableCaptions()),
      pendingVertical(PendingPhotoTableCaptions()) {}

// Appends the class row of parameter row `row`, with its photo counts counted the way the
// library counts them (a shuheng slot counts as vertical only in the vertical table).
void AlbumFixture::AddClassRow(TextTable& klass, const QStringList& row, const TemplateItems& items,
                               bool verticalTable) {
    int nh = 0;
    int nv = 0;
    for (int k = 0; k < items.pictures.size(); ++k) {
        if (items.pictures[k].count('_') != 1) continue;
        const QString word = items.orientations.value(k);
        if (word == "heng" || (word == "shuheng" && !verticalTable)) ++nh;
        if (word == "shu" || (word == "shuheng" && verticalTable)) ++nv;
    }
    klass.addRow(row.mid(0, 10) << QString::number(nh) << QString::number(nv) << row[10]
                                << row[11]);
}

int AlbumFixture::AddTemplate(const TemplateItems& items) {
    const int index = parameters.rowCount();
    const QStringList row{"单张", "普通", QString::number(items.pictures.size()),
                          Bars(items.widths), Bars(items.heights), Bars(items.orientations),
                          Bars(items.pictures), "/lib/" + items.name + ".rar", items.classWord,
                          QString::number(index), "250", items.name, "0"};
    parameters.addRow(row);

    // A shuheng template is listed as horizontal and as vertical, as the library lists it.
    if (items.classWord == "shuheng") {
        AddClassRow(horizontalClass, row, items, false);
        AddClassRow(verticalClass, row, items, true);
    } else {
        AddClassRow(items.classWord == "heng"  ? horizontalClass
                    : items.classWord == "shu" ? verticalClass
                                              : advancedClass,
                    row, items, items.classWord == "shu");
    }
    RebuildTemplateList();
    return index;
}

int AlbumFixture::AddSingleTemplate(const QString& name, const QString& classWord) {
    const bool horizontal = classWord == "heng";
    return AddTemplate({name, classWord, {classWord}, {"p_1"}, {horizontal ? "800" : "600"},
                        {horizontal ? "600" : "800"}});
}

void AlbumFixture::RebuildTemplateList() {
    templateList.clear();
    const auto add = [&](const TextTable& klass, const QString& type, const QString& category) {
        for (int r = 0; r < klass.rowCount(); ++r)
            templateList.addRow({klass.cell(r, 9), klass.cell(r, 13), type, klass.cell(r, 10),
                                 klass.cell(r, 11), "00:00:10", category});
    };
    add(advancedClass, "高级模板", "综合模板");
    add(horizontalClass, "单张模板", "横照模板");
    add(verticalClass, "单张模板", "竖照模板");
}

int AlbumFixture::AddPhoto(const QString& name, int width, int height) {
    return AppendPhoto(photos, "/photos/" + name + ".jpg", QSize(width, height));
}

LibraryTables AlbumFixture::library() const {
    return {parameters, horizontalClass, verticalClass, advancedClass, templateList};
}

AlbumTables AlbumFixture::album() {
    return {photos, horizontalPhotos, usedTemplates, slotTable, backgrounds};
}

MatchingWork AlbumFixture::work() {
    return {pendingHorizontal,
            pendingVertical,
            {candidates[0], used[0], choices[0]},
            {candidates[1], used[1], choices[1]},
            {candidates[2], used[2], choices[2]},
            {candidates[3], used[3], choices[3]},
            {candidates[4], used[4], choices[4]}};
}

PhotoMatcher AlbumFixture::matcher(MatchingOptions options) {
    return PhotoMatcher(library(), album(), work(), std::move(options));
}

PhotoMatcher AlbumFixture::matcher() {
    MatchingOptions options;
    options.random = FixedPicks({});
    return matcher(std::move(options));
}

QStringList AlbumFixture::UsedNames() const {
    QStringList names;
    for (int r = 0; r < usedTemplates.rowCount(); ++r)
        names.append(usedTemplates.cell(r, UsedTemplateColumn::kName));
    return names;
}

RandomPick FixedPicks(std::vector<int> picks) {
    auto state = std::make_shared<std::pair<std::vector<int>, size_t>>(std::move(picks), 0);
    return [state](int) {
        auto& [values, next] = *state;
        return next < values.size() ? values[next++] : 0;
    };
}
