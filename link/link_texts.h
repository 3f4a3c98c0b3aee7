// String-table ids of the captions and texts that the exchanges with the terminal show.
#pragma once

namespace q700 {

inline constexpr int kCaptionError = 1121;
inline constexpr int kCaptionWarning = 1122;
inline constexpr int kCaptionDownload = 1123;
inline constexpr int kCaptionUploadData = 1124;
inline constexpr int kCaptionDetectingResult = 1328;

inline constexpr int kTextDownloadedCompletely = 1132;
inline constexpr int kTextNoDataReceived = 1134;
inline constexpr int kTextTimeOut = 1144;
inline constexpr int kTextTerminalNotReady = 1145;
inline constexpr int kTextMemoryFull = 1146;
inline constexpr int kTextCannotOpenFile = 1161;
inline constexpr int kTextFailedToConnect = 1165;
inline constexpr int kTextRetryDownload = 1166;
inline constexpr int kTextErrorOnDownloading = 1168;
inline constexpr int kTextFileCreateFailed = 1170;
inline constexpr int kTextVersionIncompatible = 1325;
inline constexpr int kTextCradleConnectedTo = 1326;
inline constexpr int kTextCradleNotAvailable = 1327;

// Language-file entries of the receive exchange: the two halves of the closing question around
// the count, and the count display's label.
inline constexpr int kLanguageDoneBefore = 4;
inline constexpr int kLanguageDoneAfter = 5;
inline constexpr int kLanguageDataReceived = 6;
// Language-file entries of the download progress window: its title and its label.
inline constexpr int kLanguageProgressTitle = 7;
inline constexpr int kLanguageProgressLabel = 8;

}  // namespace q700
