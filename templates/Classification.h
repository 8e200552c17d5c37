#pragma once
// Template classes and photo counts: the rules that turn the template parameter table into
// the three class tables and the template manager's list. No windows here; the main
// window's commands call these with its own tables (see TemplateTables.h for the columns).
//
// Class of a template from its slot orientations (the szhz bar list):
//   heng        exactly one item, heng
//   shu         exactly one item, shu
//   shuheng     exactly one item, shuheng
//   gaojimoban  at least one heng and one shu, or more than one heng, or more than one shu
//               (shuheng items are not counted by this rule)
//   (empty)     anything else: no items, shuheng mixed with others, several shuheng
//
// Photo slots are the picture names (xpjpgmc) that contain exactly one "_"; slot k takes a
// photo of the orientation of szhz item k. A template with a photo slot k for which szhz has
// no item k is malformed: it gets no class and so stays out of every class table.

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class TextTable;

inline const QString kClassHorizontal = QStringLiteral("heng");
inline const QString kClassVertical = QStringLiteral("shu");
inline const QString kClassEither = QStringLiteral("shuheng");
inline const QString kClassAdvanced = QStringLiteral("gaojimoban");

// The class word of a list of slot orientations; empty when the template has no class.
QString ClassifyOrientations(const QStringList& orientations);

// Whether a picture name is a photo slot: it holds exactly one "_".
bool IsPhotoSlotName(const QString& pictureName);

// The item numbers of the photo slots among the picture names, in order.
QVector<int> PhotoSlotItems(const QStringList& pictureNames);

// The class word of a template from its szhz and xpjpgmc bar lists: ClassifyOrientations,
// or empty when a photo slot has no orientation item.
QString TemplateClass(const QString& orientations, const QString& pictureNames);

// The class table a count is made for: an either-orientation slot counts as horizontal in
// the horizontal and advanced tables and as vertical in the vertical table.
enum class ClassTableKind { Horizontal, Vertical, Advanced };

struct PhotoCounts {
    int horizontal = 0;
    int vertical = 0;
    bool operator==(const PhotoCounts&) const = default;
};

// How many horizontal and vertical photos a template takes. Answers nothing when szhz has
// no items (the counts are then left as they were). A photo slot without an orientation
// item counts as neither.
std::optional<PhotoCounts> CountPhotos(const QString& orientations, const QString& pictureNames,
                                       ClassTableKind kind);

// "模板分类": writes the class word into every parameter row and fills the three class
// tables (cleared first), in parameter-table order.
void ClassifyTemplates(TextTable& parameters, TextTable& horizontal, TextTable& vertical,
                       TextTable& advanced);

// "模板照片数量" for one class table: fills its 横照几张 and 竖照几张 columns.
void CountClassPhotos(TextTable& classTable, ClassTableKind kind);

// "添加到Form8窗口": the template list (cleared first) from the advanced, then the
// horizontal, then the vertical class table.
void FillTemplateList(const TextTable& horizontal, const TextTable& vertical,
                      const TextTable& advanced, TextTable& list);
