#pragma once
#include "Seams.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QStringList>
#include <functional>

// Records every message and answers questions from a script (default: the given answer).
class TRecordingMessages : public IMessages {
public:
    TRecordingMessages();
    ~TRecordingMessages() override;
    void Show(TMsgKind kind, const QString& text) override;
    bool OkCancel(TMsgKind kind, const QString& text) override;
    bool YesNo(const QString& text) override;
    bool Input(const QString& caption, const QString& prompt, QString& value) override;

    QStringList Texts;             // every text shown or asked, as shown
    QQueue<bool> Answers;          // answers for OkCancel / YesNo, in order
    bool DefaultAnswer = true;
    QQueue<QString> Inputs;        // answers for Input; empty queue cancels
    QString Last() const { return Texts.isEmpty() ? QString() : Texts.back(); }
    // The texts without the frame ("\r\n" before, "\t" after) for easy comparison.
    QStringList Plain() const;
};

class TFixedClock : public IClock {
public:
    explicit TFixedClock(const QDateTime& now);
    ~TFixedClock() override;
    QDateTime Now() override { return Time; }
    bool IsFixed() const override { return true; }
    QDateTime Time;
};

class TFakeHttp : public IHttp {
public:
    TFakeHttp();
    ~TFakeHttp() override;
    THttpReply Get(const QString& url, int timeoutMs) override;
    THttpReply PostForm(const QString& url, const QList<QPair<QString, QString>>& fields, int timeoutMs) override;
    THttpReply Reply;  // returned for every request
    QStringList Urls;
    QList<QList<QPair<QString, QString>>> Posts;
};

class TRecordingShell : public IShell {
public:
    TRecordingShell();
    ~TRecordingShell() override;
    bool Open(const QString& target) override;
    bool Start(const QString& program, const QStringList& args) override;
    QStringList Opened;
    bool Result = true;
};

class TScriptedFileDialogs : public IFileDialogs {
public:
    TScriptedFileDialogs();
    ~TScriptedFileDialogs() override;
    QString OpenFile(const QString& caption, const QString& filter, const QString& dir) override;
    QString SaveFile(const QString& caption, const QString& filter, const QString& name) override;
    QQueue<QString> Files;  // answers in order; empty = cancelled
};
