#pragma once
#include "DataSet.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>

using TCalcProgressEvent = std::function<void(int count, int position)>;
using TProgressEvent = std::function<void(int count, int position, const QString& hint)>;

// Rows that live only in memory: document lines, computed reports, filter records.
class TMqClientDataSet : public QObject {
    Q_OBJECT
public:
    explicit TMqClientDataSet(QObject* parent = nullptr);
    ~TMqClientDataSet() override;

    TDataSet* DataSet() const { return m_dataSet; }
    TDataSet* GetDataSet() const { return m_dataSet; }

    // Text sizes above 20 are kept up to 140; 20 and less keep the default of 20.
    TField* AddFieldDef(TFieldType type, const QString& name, int size, bool visible, const QString& label);
    TField* AddField(TFieldType type, const QString& name, bool visible, const QString& label);
    void CreateDataSet();

    void DoProgress(int count, int position, const QString& hint = QString());
    TCalcProgressEvent OnProgress;   // also known as CalcProgressEvent
    TProgressEvent OnProgress2;
    double LostTime() const { return m_lostTime; }

    static double SumField(const TField* field);

protected:
    // Computing subclasses: raise OnProgress per source row and time the whole computation.
    void StartTiming();
    void StopTiming();
    void Progress(int count, int position);

private:
    TDataSet* m_dataSet;
    QElapsedTimer m_timer;
    double m_lostTime = 0.0;
};

// A one-row dataset of criteria; set criteria become conditions of a list's SQL.
class TCustomWhere : public TMqClientDataSet {
    Q_OBJECT
public:
    explicit TCustomWhere(QObject* parent = nullptr);
    // Discards every criterion.
    virtual void Reset();
    // Asks bound editors to push pending text into the row before the criteria are read.
    void UpdateRecord();

Q_SIGNALS:
    void CommitPending();
};
