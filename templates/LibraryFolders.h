#pragma once
// Where the program keeps its data: the program folder and the named folders and files
// inside it. The program folder is the folder of the executable; a test or benchmark may
// point the whole program at another folder (a test library) with SetProgramFolder before
// the windows are created. Every window reads its paths from here and nowhere else.
//
// Paths use "/" and carry no trailing separator.

#include <QString>

// The folder holding lumdata/ and wj_to_wj/: the executable's folder unless set.
QString ProgramFolder();
// Points the program at `folder`; an empty text returns to the executable's folder.
void SetProgramFolder(const QString& folder);

namespace Folders {
QString Data();               // lumdata
QString ParameterLibrary();   // lumdata/wj_0_or_2/wjj_01: parameter containers
QString MovieLibrary();       // lumdata/wj_0_or_2/wjj_02: movie containers
QString TemplateWork();       // lumdata/wj_0_or_2/wjj_00_j_y: template working folder
QString StartupArchive();     // lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar: the start-up animation
QString ClosingArchive();     // lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar: the closing movie
QString CombinationLibrary(); // lumdata/wj_0_or_9_9: combination archives
QString PreviewWork();        // lumdata/wj_y_l: preview and making working folders
QString TransferWork();       // wj_to_wj, beside lumdata: wiped when the main window opens
QString InterfacePictures();  // lumdata/jiemian: the pictures of the windows' skin
QString SampleMusic();        // yinyuegeciwenjian: the sample song and its lyric file
QString SampleSong();         // yinyuegeciwenjian/春日.mp3: the sample song
}  // namespace Folders
