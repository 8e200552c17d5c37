#include "app/Form3Tables.h"

#include "app/Form18.h"
#include "app/Form2.h"
#include "app/Form21.h"
#include "app/Form3.h"
#include "app/Form41.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/Form8.h"

namespace {
TextTable& TableOn(Window* window, const QString& name, const QStringList& captions) {
    if (TextTable* table = window->table(name)) return *table;
    return *window->addTable(name, captions);
}
}  // namespace

LibraryTables ProgramLibraryTables() {
    Form2* main = Windows::get<Form2>();
    return {*main->ListView_mobancanshu, *main->ListView_hengzhaopian, *main->ListView_shuzhaopian,
            *main->ListView_gaojimoban, *Windows::get<Form8>()->ListView_moban};
}

AlbumTables ProgramAlbumTables() {
    Form8* manager = Windows::get<Form8>();
    return {*Windows::get<Form3>()->ListView_daoru_zhaopian,
            TableOn(manager, "ListView_qubu_hengzhao", HorizontalPhotoTableCaptions()),
            TableOn(manager, "ListView_moban_shiyong", UsedTemplateTableCaptions()),
            TableOn(manager, "ListView_moban_shiyong_canshu", SlotTableCaptions()),
            *Windows::get<Form21>()->ListView_moban_beijing};
}

MatchingWork ProgramMatchingWork() { return Windows::get<Form3>()->matchingWork(); }

MatchingOptions ProgramMatchingOptions() {
    MatchingOptions options;
    options.templateMode = Windows::get<Form41>()->Edit_mobanfashi;
    options.settings = Windows::get<Form18>()->photoSettings();
    return options;
}
