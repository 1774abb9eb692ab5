#pragma once
#include <QList>
#include <QtGlobal>
#include <cmath>

// A small random generator whose sequence is the same on every platform and library (the
// standard distributions are not), so a seed always gives the same demo data.
class TDemoRandom {
public:
    explicit TDemoRandom(quint64 seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    // splitmix64
    quint64 Next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // [0, 1)
    double Real() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // lo..hi inclusive
    int Int(int lo, int hi) { return hi <= lo ? lo : lo + int(Next() % quint64(hi - lo + 1)); }
    bool Chance(double p) { return Real() < p; }
    // An index below n, small ones more likely (popular goods, busy clients).
    int Skewed(int n, double power = 2.0) { return qMin(n - 1, int(n * std::pow(Real(), power))); }
    template <class T>
    const T& Pick(const QList<T>& list) { return list.at(Int(0, int(list.size()) - 1)); }
    // A generator of its own for one part of the data, so parts do not shift each other.
    TDemoRandom Fork(quint64 salt) { return TDemoRandom(Next() ^ (salt * 0xD1B54A32D192ED03ull)); }

private:
    quint64 m_state;
};
