#pragma once
// A tiny template library and an empty album, with every table the photo rules touch.
//
// Templates are added with their bar lists; the fixture fills the parameter table, the class
// table of the given class word and the template list (advanced rows first, then
// horizontal, then vertical, as the library lists them) the way the library does.

#include <QString>
#include <QStringList>
#include <vector>

#include "photos/Matching.h"
#include "platform/TextTable.h"

struct TemplateItems {
    QString name;
    QString classWord;    // heng, shu, shuheng or gaojimoban
    QStringList orientations;  // szhz items: heng / shu / shuheng
    QStringList pictures;      // xpjpgmc items; photo slots contain exactly one "_"
    QStringList widths;        // xpkd items
    QStringList heights;       // xpgd items
};

class AlbumFixture {
public:
    AlbumFixture();

    // Adds a template; returns its template index.
    int AddTemplate(const TemplateItems& items);
    // A one-slot template of class heng or shu named `name`, slot 800 x 600 (or 600 x 800).
    int AddSingleTemplate(const QString& name, const QString& classWord);

    // Adds a photo of the recorded size at /photos/<name>.jpg; returns its row.
    int AddPhoto(const QString& name, int width, int height);

    LibraryTables library() const;
    AlbumTables album();
    MatchingWork work();
    // A matcher over all the tables. Without options, random-template mode with background
    // picks that always take the first horizontal photo.
    PhotoMatcher matcher(MatchingOptions options);
    PhotoMatcher matcher();

    // Template names of the used-template table, in album order.
    QStringList UsedNames() const;

    TextTable parameters, horizontalClass, verticalClass, advancedClass, templateList;
    TextTable photos, horizontalPhotos, usedTemplates, slotTable, backgrounds;
    TextTable pendingHorizontal, pendingVertical;
    TextTable candidates[5]{TextTable(CandidateTableCaptions()), TextTable(CandidateTableCaptions()),
                            TextTable(CandidateTableCaptions()), TextTable(CandidateTableCaptions()),
                            TextTable(CandidateTableCaptions())};
    QStringList used[5], choices[5];

private:
    void AddClassRow(TextTable& klass, const QStringList& row, const TemplateItems& items,
                     bool verticalTable);
    void RebuildTemplateList();
};

// A random source that answers the given picks in turn (then 0).
RandomPick FixedPicks(std::vector<int> picks);
