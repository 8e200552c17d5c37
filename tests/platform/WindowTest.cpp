#include "platform/Window.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/TextTable.h"

namespace {

class FormTest : public Window {
    Q_OBJECT
public:
    explicit FormTest(const QString& name = "FormTest") : Window(name, QString::fromUtf8("测试")) {
        bindField("Edit_tuichu", &Edit_tuichu);
        addTable("ListView_mobancanshu", {QString::fromUtf8("模板类型"), QString::fromUtf8("模板分类")});
    }

    Q_INVOKABLE void Button30Click() { ++clicks; }

    QString Edit_tuichu;  // activity word
    int clicks = 0;
};

class OtherForm : public Window {
    Q_OBJECT
public:
    OtherForm() : Window("OtherForm", "other") {}
};

TEST(Window, ReachesHandlersFieldsAndTablesByName) {
    FormTest form;
    EXPECT_EQ(form.name(), "FormTest");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("测试"));

    EXPECT_TRUE(form.invokeHandler("Button30Click"));
    EXPECT_EQ(form.clicks, 1);
    EXPECT_FALSE(form.invokeHandler("Button31Click"));
    EXPECT_EQ(form.clicks, 1);

    EXPECT_TRUE(form.hasField("Edit_tuichu"));
    EXPECT_TRUE(form.setField("Edit_tuichu", "bofang_kaishi"));
    EXPECT_EQ(form.Edit_tuichu, "bofang_kaishi");  // the field is the member itself
    form.Edit_tuichu = "wu";
    EXPECT_EQ(form.field("Edit_tuichu"), "wu");
    EXPECT_FALSE(form.setField("Edit_nothing", "x"));
    EXPECT_EQ(form.field("Edit_nothing"), "");
    EXPECT_EQ(form.fieldNames(), QStringList({"Edit_tuichu"}));

    TextTable* table = form.table("ListView_mobancanshu");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(form.table("ListView_nothing"), nullptr);
}

TEST(Windows, KeepsTheSingleInstancesInCreationOrder) {
    const int before = int(Windows::all().size());
    auto first = std::make_unique<FormTest>("FormTest");
    auto second = std::make_unique<OtherForm>();
    ASSERT_EQ(Windows::all().size(), before + 2);
    EXPECT_EQ(Windows::all()[before], first.get());
    EXPECT_EQ(Windows::all()[before + 1], second.get());
    EXPECT_EQ(Windows::find("OtherForm"), second.get());
    EXPECT_EQ(Windows::find("Form99"), nullptr);
    EXPECT_EQ(Windows::get<FormTest>(), first.get());
    EXPECT_EQ(Windows::get<OtherForm>(), second.get());

    second.reset();
    EXPECT_EQ(Windows::find("OtherForm"), nullptr);
    EXPECT_EQ(Windows::get<OtherForm>(), nullptr);
    EXPECT_EQ(Windows::all().size(), before + 1);
}

}  // namespace

#include "WindowTest.moc"
