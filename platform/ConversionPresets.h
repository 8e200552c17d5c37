#pragma once
// What each output preset of the conversion library makes: container, codecs, frame rate,
// sound and bit rates. Pure data and arithmetic, no FFmpeg types.
//
//   preset  container (FFmpeg muxer)  video         audio                      ext   GOP PAL/NTSC
//   VCD     MPEG-1 system ("vcd")     MPEG-1        MPEG-1 Layer II 44.1 kHz   .mpg  12 / 15
//   SVCD    MPEG-2 program ("svcd")   MPEG-2        MPEG-1 Layer II 44.1 kHz   .mpg  12 / 15
//   DVD     MPEG-2 program ("dvd")    MPEG-2        MPEG-1 Layer II 48 kHz     .mpg  12 / 15
//   AVI     AVI ("avi")               MPEG-4 Pt.2   MP3 44.1 kHz               .avi  12 / 15
//   MP4     MP4 ("mp4"), index first  H.264 4:2:0   AAC 48 kHz                 .mp4  50 / 60
//   MOV     QuickTime ("mov")         H.264 4:2:0   AAC 48 kHz                 .mov  50 / 60
//   WMV     ASF ("asf")               WMV 8         WMA 2 44.1 kHz             .wmv  12 / 15
//   (none)  MPEG-2 program ("mpeg")   MPEG-2        MPEG-1 Layer II 48 kHz     .mpg  12 / 15
//
// Sound is stereo, at 224 kbit/s for Layer II and 192 kbit/s otherwise. Video in kbit/s:
//
//   preset     standard quality       high quality (MclVideoSetBitRate)
//   VCD        1150 constant          average 4000, ceiling the call's maximum
//   SVCD       2500                   average 6000, ceiling as above
//   DVD        5000                   average 9000, ceiling as above
//   AVI, WMV   3000                   average 8000, ceiling as above
//   MP4, MOV   x264 CRF 23            x264 CRF 18, ceiling as above
//
// The bit rates are for frames up to 1280 x 720. A larger frame raises them by its area over
// 1280 x 720 (a 1920 x 1080 frame gets 2.25 times as much), so that a picture is as clean
// at every size the album-type window offers. H.264 is coded at a constant quality (x264's
// rate factor, preset "veryfast", High profile) instead: the rate follows the picture, and
// the size needs no scaling. Its key frames are 2 s apart, so a player can seek.

#include <QString>

struct ConversionPreset {
    QString muxer;        // FFmpeg muxer name
    QString videoCodec;   // FFmpeg encoder name
    QString audioCodec;
    int sampleRate = 0;   // audio sample frames per second
    int audioKbps = 224;
    int standardKbps = 0;
    int highKbps = 0;
    int standardCrf = 0;  // x264 rate factors; 0: the video is coded at the bit rates above
    int highCrf = 0;
    int bFrames = 2;      // B-frames between reference frames (WMV 8 has none)
    QString extension;    // of the file made: ".mpg"

    bool constantQuality() const { return standardCrf > 0; }
    // Whether the muxer is an MPEG program or system stream, with its fixed multiplex rate.
    bool programStream() const;
};

// The preset of `format` (0 VCD, 1 SVCD, 2 DVD, 3 AVI, 4 MP4, 5 MOV, 6 WMV; anything else
// the unnamed MPEG-2 preset).
ConversionPreset PresetFor(int format);

// Output frame rate as a fraction: 25/1 for PAL (system 0), 30000/1001 for NTSC (1).
struct FrameRate {
    int num = 25;
    int den = 1;
};
FrameRate FrameRateFor(int system);
// Frames between key frames: 12 for PAL, 15 for NTSC; for H.264 2 s (50, 60).
int GopSizeFor(const ConversionPreset& preset, int system);

// The video bit rate in bit/s for a frame of `width` x `height`.
qint64 VideoBitRate(const ConversionPreset& preset, bool high, int width, int height);
