#include "ClientDataSet.h"

TMqClientDataSet::TMqClientDataSet(QObject* parent) : QObject(parent), m_dataSet(new TDataSet(this)) {}
TMqClientDataSet::~TMqClientDataSet() = default;

TField* TMqClientDataSet::AddFieldDef(TFieldType type, const QString& name, int size, bool visible,
                                      const QString& label)
{
    TField* f = AddField(type, name, visible, label);
    if (f->IsText() && size > 20) f->SetSize(std::min(size, 140));
    return f;
}

TField* TMqClientDataSet::AddField(TFieldType type, const QString& name, bool visible, const QString& label)
{
    return m_dataSet->AddField(type, name, -1, visible, label);
}

void TMqClientDataSet::CreateDataSet() { m_dataSet->CreateDataSet(); }

void TMqClientDataSet::DoProgress(int count, int position, const QString& hint)
{
    if (OnProgress2) OnProgress2(count, position, hint);
}

void TMqClientDataSet::Progress(int count, int position)
{
    if (OnProgress) OnProgress(count, position);
}

void TMqClientDataSet::StartTiming() { m_timer.start(); }

void TMqClientDataSet::StopTiming() { m_lostTime = m_timer.isValid() ? m_timer.nsecsElapsed() / 1e9 : 0.0; }

double TMqClientDataSet::SumField(const TField* field)
{
    return field && field->DataSet() ? field->DataSet()->Sum(field) : 0.0;
}

TCustomWhere::TCustomWhere(QObject* parent) : TMqClientDataSet(parent) {}

void TCustomWhere::Reset()
{
    TDataSet* ds = DataSet();
    if (!ds->Active()) ds->CreateDataSet();
    ds->EmptyDataSet();
    ds->Append();
}

void TCustomWhere::UpdateRecord() { Q_EMIT CommitPending(); }
