#pragma once
#include <QList>
#include <QString>

// A drawing surface in millimetres, as the block layout sees it.
class Superficie
{
public:
    virtual ~Superficie() = default;

    // Width of s in the current font; for text with line breaks, of its widest line.
    double TextWidth(const QString &s);
    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }
    // Draws s from (CurrentX, CurrentY). Kept on the line: CurrentX moves to the end of s.
    // With a line end: down one text line, CurrentX back to 0.
    void Print(const QString &s, bool conFineRiga);

protected:
    // Width of one line of text, height of one text line, drawing one line with its top at y.
    virtual double larghezza(const QString &riga) = 0;
    virtual double altezzaRiga() = 0;
    virtual void disegna(const QString &riga, double x, double y) = 0;

private:
    double m_x = 0;
    double m_y = 0;
};

// One string drawn, at its left edge and top.
struct Scritta {
    QString testo;
    double x = 0;
    double y = 0;
    bool operator==(const Scritta &) const = default;
};

// Records what is drawn; by default every character is one fixed width wide.
class SuperficieRegistrata : public Superficie
{
public:
    explicit SuperficieRegistrata(double larghezzaCarattere = 1, double altezzaRiga = 1)
        : m_carattere(larghezzaCarattere), m_riga(altezzaRiga) {}
    const QList<Scritta> &scritte() const { return m_scritte; }
    void cancella() { m_scritte.clear(); }

protected:
    double larghezza(const QString &riga) override { return riga.size() * m_carattere; }
    double altezzaRiga() override { return m_riga; }
    void disegna(const QString &riga, double x, double y) override { m_scritte.append({riga, x, y}); }

private:
    double m_carattere;
    double m_riga;
    QList<Scritta> m_scritte;
};
