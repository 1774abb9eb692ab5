#pragma once
#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <functional>

// Times an operation as the best of a few runs: on shared machines the minimum is the figure
// least disturbed by other work.
inline double BestSeconds(int runs, const std::function<void()>& op)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        op();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

// One result line: operation, our time, the reference time measured in the same run, the ratio.
inline void Report(const QString& operation, double ours, double reference, const QString& note = QString())
{
    QTextStream(stdout) << QStringLiteral("%1\t%2 ms\t%3 ms\t%4x%5\n")
                               .arg(operation, -48)
                               .arg(ours * 1000, 0, 'f', 1)
                               .arg(reference * 1000, 0, 'f', 1)
                               .arg(reference > 0 ? ours / reference : 0.0, 0, 'f', 2)
                               .arg(note.isEmpty() ? QString() : QStringLiteral("\t") + note);
}
