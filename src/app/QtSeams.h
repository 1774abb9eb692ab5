#pragma once
#include "Seams.h"

// The windowed program's message boxes and file dialogs.
class TQtMessages : public IMessages {
public:
    void Show(TMsgKind kind, const QString& text) override;
    bool OkCancel(TMsgKind kind, const QString& text) override;
    bool YesNo(const QString& text) override;
    bool Input(const QString& caption, const QString& prompt, QString& value) override;

    // The text as a message box shows it: line breaks for "\r\n" and "\r", the framing
    // blank lines and tabs trimmed.
    static QString DisplayText(const QString& text);
};

class TQtFileDialogs : public IFileDialogs {
public:
    QString OpenFile(const QString& caption, const QString& filter, const QString& dir) override;
    QString SaveFile(const QString& caption, const QString& filter, const QString& name) override;
};

// Puts the windowed implementations in place of the console ones.
void InstallQtSeams();
