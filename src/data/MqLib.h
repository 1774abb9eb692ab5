#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

class TDataSet;

// The message routines every Part reports through.
void ShowInfo(const QString& text);
bool ConfirmDelete(const QString& what);
bool AskYesNo(const QString& text);
void ShowDeleteRefused(const QString& errorText);
bool CheckActive(const TDataSet* dataSet);
void ShowWarning(const QString& text);

QString DateText(const QDate& date);
QString DateText(const QDateTime& date);
QString TodayText();
// The amount in Chinese capital numerals as printed on financial documents.
QString AmountInWords(double amount);
