#pragma once
// The tables the photo commands and jobs work on, gathered from the windows that own them:
//
//   library (read only)  Form2.ListView_mobancanshu, ListView_hengzhaopian,
//                        ListView_shuzhaopian, ListView_gaojimoban; Form8.ListView_moban
//   album                Form3.ListView_daoru_zhaopian; Form8.ListView_qubu_hengzhao,
//                        ListView_moban_shiyong, ListView_moban_shiyong_canshu;
//                        Form21.ListView_moban_beijing
//   work                 Form3's pending and candidate tables with their lists
//
// The album's three tables on Form8 are created with their captions by the first call
// (Form21 makes that call when it is created, so they exist from the start).
// Needs the program's windows; the answers refer to tables the windows own.

#include "photos/Matching.h"

LibraryTables ProgramLibraryTables();
AlbumTables ProgramAlbumTables();
MatchingWork ProgramMatchingWork();
// The mode word of Form41 and the settings of Form18, as they stand now.
MatchingOptions ProgramMatchingOptions();
