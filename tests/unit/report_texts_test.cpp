#include "report/report_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace {

struct FixedText {
    const char* bytes;
    const char* readable;
};

// Each fixed text against an independent conversion of its readable form.
TEST(ReportTexts, AreTheCodePage932BytesOfTheirReadableText) {
    const FixedText cases[] = {
        {texts::kBitness64, "OSは64ビットです。"},
        {texts::kBitness32, "OSは32ビットです。"},
        {texts::kProductHeader, "PSQL インストール情報"},
        {texts::kProductHeader64, "PSQL インストール情報(64ビットキー)"},
        {texts::kNotInstalled, "Pervasive製品はインストールされていません。"},
        {texts::kDateLabel, "現在の日時： "},
        {texts::kYear, "年"},
        {texts::kMonth, "月"},
        {texts::kDay, "日"},
        {texts::kHour, "時"},
        {texts::kMinute, "分"},
        {texts::kSecond, "秒"},
        {texts::kNetBiosLabel, "NetBIOS名："},
        {texts::kUserLabel, "User名："},
        {texts::kWindowsFolderLabel, "Windowsフォルダ："},
        {texts::kPhysicalLabel, "物理メモリ："},
        {texts::kFreePhysicalLabel, "    空き物理メモリ："},
        {texts::kVirtualLabel, "   仮想メモリ："},
        {texts::kFreeVirtualLabel, "    空き仮想メモリ："},
        {texts::kProductPathLabel, "環境変数 PERVASIVE_PATH："},
    };
    for (const FixedText& text : cases) {
        EXPECT_EQ(std::string(text.bytes), Sjis(text.readable)) << text.readable;
    }
}

}  // namespace
