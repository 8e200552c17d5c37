#pragma once
// The program's services for the template windows (Form8, Form19, Form20; see
// templates/TemplateManagerServices.h): messages and questions in Form14 and Form17, the
// photo renderer MainForm for the tiles and the preview's photos, and the album's tables
// edited by hand (photos/ManualMatching.h) with the settings of Form18.

// Installs them; the program calls it once its windows exist.
void InstallTemplateWindowServices();
