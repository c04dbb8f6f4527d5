// The report's fixed texts, as code page 932 (Shift_JIS) bytes.
//
// Every label and message of the report is kept here, each beside its
// readable form, so that the bytes can be checked in one place. Text that
// Windows hands back (names, paths, registry data) is never converted.
#pragma once

namespace texts {

// One text a line, beside its readable form.
// clang-format off
inline constexpr char kReportFileName[] = "Tarquen.txt";
inline constexpr char kProgramVersion[] = "1.00";
inline constexpr char kBannerPrefix[] = "Tarquen Ver ";

// "OSは64ビットです。"
inline constexpr char kBitness64[] = "OS\x82\xCD" "64\x83\x72\x83\x62\x83\x67\x82\xC5\x82\xB7\x81\x42";
// "OSは32ビットです。"
inline constexpr char kBitness32[] = "OS\x82\xCD" "32\x83\x72\x83\x62\x83\x67\x82\xC5\x82\xB7\x81\x42";
// "PSQL インストール情報"
inline constexpr char kProductHeader[] = "PSQL \x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x8F\xEE\x95\xF1";
// "PSQL インストール情報(64ビットキー)"
inline constexpr char kProductHeader64[] = "PSQL \x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x8F\xEE\x95\xF1(64\x83\x72\x83\x62\x83\x67\x83\x4C\x81\x5B)";
// "Pervasive製品はインストールされていません。"
inline constexpr char kNotInstalled[] = "Pervasive\x90\xBB\x95\x69\x82\xCD\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";

// "現在の日時： "
inline constexpr char kDateLabel[] = "\x8C\xBB\x8D\xDD\x82\xCC\x93\xFA\x8E\x9E\x81\x46 ";
// "年"
inline constexpr char kYear[] = "\x94\x4E";
// "月"
inline constexpr char kMonth[] = "\x8C\x8E";
// "日"
inline constexpr char kDay[] = "\x93\xFA";
// "時"
inline constexpr char kHour[] = "\x8E\x9E";
// "分"
inline constexpr char kMinute[] = "\x95\xAA";
// "秒"
inline constexpr char kSecond[] = "\x95\x62";
// "NetBIOS名："
inline constexpr char kNetBiosLabel[] = "NetBIOS\x96\xBC\x81\x46";
// "User名："
inline constexpr char kUserLabel[] = "User\x96\xBC\x81\x46";
// "Windowsフォルダ："
inline constexpr char kWindowsFolderLabel[] = "Windows\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x46";
// "物理メモリ："
inline constexpr char kPhysicalLabel[] = "\x95\xA8\x97\x9D\x83\x81\x83\x82\x83\x8A\x81\x46";
// "    空き物理メモリ："
inline constexpr char kFreePhysicalLabel[] = "    \x8B\xF3\x82\xAB\x95\xA8\x97\x9D\x83\x81\x83\x82\x83\x8A\x81\x46";
// "   仮想メモリ："
inline constexpr char kVirtualLabel[] = "   \x89\xBC\x91\x7A\x83\x81\x83\x82\x83\x8A\x81\x46";
// "    空き仮想メモリ："
inline constexpr char kFreeVirtualLabel[] = "    \x8B\xF3\x82\xAB\x89\xBC\x91\x7A\x83\x81\x83\x82\x83\x8A\x81\x46";
// "環境変数 PERVASIVE_PATH："
inline constexpr char kProductPathLabel[] = "\x8A\xC2\x8B\xAB\x95\xCF\x90\x94 PERVASIVE_PATH\x81\x46";

// clang-format on

}  // namespace texts
