#pragma once
// The system settings (Form18) that the photo rules read, passed in by the window that runs
// them. Every member starts at the window's default.

struct PhotoSettings {
    // Form18.RadioButton_shuzhaopian_moren ("竖照片剪裁成适中效果"), checked by default: a
    // vertical photo in a slot of width 0 is cropped to its fit size rather than to full
    // width.
    bool verticalPhotoFit = true;
};
