#pragma once

#include <cstdint>
#include <string>

namespace kerovia {

// The texts both backups show.
inline constexpr char kReadFailedMessage[] =
    "Android本体からデータを読み取れませんでした。処理を中止します。";
inline constexpr std::uint32_t kBackupBarColour = 0xFFFF00;

inline std::string CopyFailedHeadline(std::size_t count) {
  return std::to_string(count) + "個のファイルをバックアップ先へコピーできませんでした。";
}

inline std::string AddFailedHeadline(std::size_t count) {
  return std::to_string(count) + "個のファイルをiTunesへ追加できませんでした。";
}

inline constexpr char kAddFileNotStartedMessage[] =
    "addfile.exe を起動できませんでした。処理を中止します。\n"
    "addfile.exe が Kerovia.exe と同じフォルダにあるか確かめてください。";

}  // namespace kerovia
