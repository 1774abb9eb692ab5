#pragma once
#include <QList>
#include <QString>

// A user-defined entry of the tools menu: a web page, a document or a program.
class TLink {
public:
    int Id = -1;  // -1 for a link not yet stored
    int GroupId = 0;
    QString Title;
    QString lpFile;  // "IEXPLORE.EXE" for a web link
    QString lpParameters;  // the address of a web link
    QString Note;

    // True when exactly one row has that Id.
    bool LoadLink(int id);
    // Opens the file with its parameters (a web link: its address) through the shell.
    void Run() const;
    bool IsWebLink() const;

    // Every link, in Id order.
    static QList<TLink> LoadAll();
};
