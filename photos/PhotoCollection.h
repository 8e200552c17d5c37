#pragma once
// The photo commands of Form3 without the window: deleting one photo, deleting all, and
// whether "自动套版" has anything to do. The window asks the questions and shows the
// messages; these functions keep the photo, slot, used-template and background tables
// consistent.

#include <QString>
#include <QStringList>

#include "photos/Backgrounds.h"
#include "photos/Matching.h"
#include "platform/TextTable.h"

// Messages of the photo commands.
inline const QString kNoPhotosMessage = QStringLiteral("没有添加照片文件！");
inline const QString kNoPhotoSelectedMessage = QStringLiteral("没有选中照片文件！");
inline const QString kPhotoDeletedMessage = QStringLiteral("选中的照片文件已经删除！");
inline const QString kDeleteAllQuestion = QStringLiteral("是否确定要删除全部照片文件?");
inline const QString kAllPhotosDeletedMessage = QStringLiteral("照片文件已经全部删除！");
inline const QString kMatchingDoneMessage = QStringLiteral("照片与模板自动匹配已完成！");
inline const QString kDeletePhotoTitle = QStringLiteral("删除照片");

// The one message at the end of an add job that skipped files that are not readable JPG
// photos, naming each skipped file; empty when none was skipped.
QString SkippedPhotosMessage(const QStringList& skippedPaths);

// The question before deleting the selected photo, naming how many slots use it.
QString DeletePhotoQuestion(int slotsUsingPhoto);

// Deletes photo row `row` after the user agreed: every slot holding it is emptied and its
// used template marked "未完成", slots holding later photos are moved up by one, the row is
// removed, the horizontal-photo table rebuilt, empty backgrounds given a random horizontal
// photo, and the captions renumbered 1...N. Answers the message to show:
// "选中的照片文件已经删除！", or "没有选中照片文件！" (nothing changed) when `row` is not a
// row of the table.
QString DeletePhoto(const AlbumTables& album, int row, const RandomPick& random);

// Clears the photo, horizontal-photo, used-template, slot and background tables.
void DeleteAllPhotos(const AlbumTables& album);

// What "自动套版" does with the photo table as it stands.
struct AutoMatchStart {
    bool runJob = false;  // start the matching job on Form13
    QString message;      // otherwise, the message to show
};
AutoMatchStart StartAutoMatch(const TextTable& photos);
