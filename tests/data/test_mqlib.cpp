#include "MqLib.h"
#include "Numbers.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

TEST(MqLib, AmountInWords)
{
    const struct {
        double amount;
        const char* words;
    } cases[] = {
        {1234.50, "壹仟贰佰叁拾肆元伍角"},   {100.00, "壹佰元整"},         {10.05, "壹拾元零伍分"},
        {0.05, "伍分"},                      {100000000, "壹亿元整"},      {100010000, "壹亿零壹万元整"},
        {1005000.3, "壹佰万伍仟元叁角"},     {0, ""},                      {0.5, "伍角"},
        {20.00, "贰拾元整"},                 {1001.01, "壹仟零壹元零壹分"}, {3.456, "叁元肆角陆分"},
    };
    for (const auto& c : cases) EXPECT_EQ(AmountInWords(c.amount), QString::fromUtf8(c.words)) << c.amount;
}

TEST(MqLib, MessageTextsAreFramedAsShown)
{
    TRecordingMessages m;
    m.Answers << false << true;
    EXPECT_FALSE(ConfirmDelete(QString()));
    EXPECT_EQ(m.Texts.back(), QStringLiteral("\r您确定要删除 当前记录 吗?\t\t"));
    EXPECT_TRUE(ConfirmDelete(QStringLiteral("张三")));
    EXPECT_EQ(m.Texts.back(), QStringLiteral("\r您确定要删除 张三 吗?\t\t"));
    ShowInfo(QStringLiteral("好"));
    EXPECT_EQ(m.Texts.back(), QStringLiteral("\r\n好\t"));
    ShowDeleteRefused(QStringLiteral("FOREIGN KEY constraint failed"));
    EXPECT_TRUE(m.Texts.back().startsWith(QStringLiteral("\r\n为了数据的完整性,现在不能删除该记录.")));
    EXPECT_TRUE(m.Texts.back().endsWith(QStringLiteral("以下是原文描述:\r\n\r\nFOREIGN KEY constraint failed\t")));
    EXPECT_FALSE(CheckActive(nullptr));
    EXPECT_EQ(m.Texts.back(), QStringLiteral("\r\n\r\n系统提示：请先打开数据集再操作.\t"));
}

TEST(MqLib, DatesFormatWhateverTheLocale)
{
    TFixedClock clock(QDateTime(QDate(2013, 1, 5), QTime(14, 30)));
    EXPECT_EQ(DateText(QDate(2013, 1, 15)), QStringLiteral("2013-01-15"));
    EXPECT_EQ(TodayText(), QStringLiteral("2013-01-05"));
}

TEST(Numbers, RoundingAndFormats)
{
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(2.675, 2), 2.68);  // as typed, not as stored in binary
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(-2.675, 2), -2.68);
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(Numbers::RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(Numbers::RoundHalfEven(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(9.9996, 3), 10.0);
    EXPECT_DOUBLE_EQ(Numbers::RoundTo(0.0004, 3), 0.0);
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral(",0.00"), 1234567.5), QStringLiteral("1,234,567.50"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral(",0.00"), -1234.5), QStringLiteral("-1,234.50"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral("0.00"), 0.005), QStringLiteral("0.01"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral("0.00"), -0.001), QStringLiteral("0.00"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral("0.000"), 12), QStringLiteral("12.000"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral("0"), 12.5), QStringLiteral("13"));
    EXPECT_EQ(Numbers::FormatFloat(QStringLiteral("#,##0.##"), 1234.5), QStringLiteral("1,234.5"));
    EXPECT_EQ(Numbers::DecimalFormat(3), QStringLiteral("0.000"));
}
