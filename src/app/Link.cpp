#include "Link.h"

#include "Database.h"
#include "RecordSet.h"
#include "Seams.h"

#include <QProcess>

namespace {

TLink linkAt(const TDataSet* ds, int row)
{
    auto value = [ds, row](const char* name) {
        const TField* f = ds->FindField(QString::fromLatin1(name));
        return f ? ds->ValueAt(row, f->Index()) : QVariant();
    };
    TLink link;
    link.Id = value("Id").toInt();
    link.GroupId = value("GroupId").toInt();
    link.Title = value("Title").toString();
    link.lpFile = value("lpFile").toString();
    link.lpParameters = value("lpParameters").toString();
    link.Note = value("Note").toString();
    return link;
}

}  // namespace

bool TLink::LoadLink(int id)
{
    TRecordSet& rs = SharedRecordSet();
    rs.Open(QStringLiteral("select * from link where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
    if (rs.RecordCount() != 1) return false;
    *this = linkAt(rs.DataSet(), 0);
    return true;
}

bool TLink::IsWebLink() const { return lpFile.compare(QStringLiteral("IEXPLORE.EXE"), Qt::CaseInsensitive) == 0; }

void TLink::Run() const
{
    if (IsWebLink()) {
        Platform::Shell().Open(lpParameters);
    } else if (lpParameters.trimmed().isEmpty() || lpParameters.trimmed() == QStringLiteral("http://")) {
        Platform::Shell().Open(lpFile);
    } else {
        Platform::Shell().Start(lpFile, QProcess::splitCommand(lpParameters));
    }
}

QList<TLink> TLink::LoadAll()
{
    TQuerySet set;
    set.Open(QStringLiteral("select Id,GroupId,Title,lpFile,lpParameters,[Note] from link order by Id"));
    QList<TLink> links;
    for (int i = 0; i < set.RecordCount(); ++i) links << linkAt(set.DataSet(), i);
    return links;
}
