#pragma once
// The preview-folder builder's sources in the running program: the album gathered from
// the windows' tables, and photos painted by the renderer window MainForm. The preview
// (Form12) and the making build their folders with these.

#include "templates/PreviewFolders.h"

// The album as the tables of Form8, Form3, Form21 and Form2 hold it now.
PreviewAlbum ProgramPreviewAlbum();

// Paints a photo through RenderPhoto: the white panel with the picture placed in it. A
// photo the renderer cannot draw (it answers the file's icon) or a wait that ran out is
// answered as failed, so the builder leaves the slot white and names the photo.
PhotoPainter RendererPhotoPainter();

// Gives Form12 these two sources; the program calls it once its windows exist.
void InstallPreviewBuildSources();
