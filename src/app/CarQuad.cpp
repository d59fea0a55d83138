#include "app/CarQuad.h"

namespace CarQuad {
QString AnnoScolastico;
QString NomeUtente, PasswordUtente;
int ModoPassword = 0;
QString TitoloQuadro1, TitoloQuadro2, TitoloQuadro3, TitoloQuadro4;

QString FileAlunni;
QString FileAlunno;
int Sesso = 0;
QString CartellaClasse;
bool RicaricaClassi = false, RicaricaAlunni = false;

int ModoPreselezione = 0;
int ModoModifica = 0;
int QuadroCorrente = 0;
QString EstensioneQuadro;
QString FileFrasi;
QString Scelta1, Scelta2, Scelta3, Scelta4;
QString Preselezione1, Preselezione2, Preselezione3, Preselezione4;

QString Carattere;
QString LunghezzaRiga, AltezzaCarattere, Orientamento;
QString MargineSuperiore1, MargineSuperiore2, MargineSuperiore3, MargineSuperiore4;
qint16 MargineSinistro = 0;

QString TestoStampa;
qint16 MargineSuperioreStampa = 0;
int QuadroAnteprima = 1;
int UsaFormato = 0;
int FormatoScelto = 4;

QString EstensioneUnione, SuffissoUnione;
int ModoImporta = 0;
QString RadiceDestinazione, CartellaOrigine, ClasseScelta;
qint16 ErroreCopia = 0;

namespace {
template <class T> T &pick(int n, T &a, T &b, T &c, T &d)
{
    switch (n) {
    case 1: return a;
    case 2: return b;
    case 3: return c;
    default: return d;
    }
}
} // namespace

QString &TitoloQuadro(int n) { return pick(n, TitoloQuadro1, TitoloQuadro2, TitoloQuadro3, TitoloQuadro4); }
QString &Scelta(int n) { return pick(n, Scelta1, Scelta2, Scelta3, Scelta4); }
QString &Preselezione(int n) { return pick(n, Preselezione1, Preselezione2, Preselezione3, Preselezione4); }
QString &MargineSuperiore(int n) { return pick(n, MargineSuperiore1, MargineSuperiore2, MargineSuperiore3, MargineSuperiore4); }

void reset()
{
    AnnoScolastico.clear();
    NomeUtente.clear();
    PasswordUtente.clear();
    ModoPassword = 0;
    for (int n = 1; n <= 4; ++n) {
        TitoloQuadro(n).clear();
        Scelta(n).clear();
        Preselezione(n).clear();
        MargineSuperiore(n).clear();
    }
    FileAlunni.clear();
    FileAlunno.clear();
    Sesso = 0;
    CartellaClasse.clear();
    RicaricaClassi = RicaricaAlunni = false;
    ModoPreselezione = ModoModifica = QuadroCorrente = 0;
    EstensioneQuadro.clear();
    FileFrasi.clear();
    Carattere.clear();
    LunghezzaRiga.clear();
    AltezzaCarattere.clear();
    Orientamento.clear();
    MargineSinistro = 0;
    TestoStampa.clear();
    MargineSuperioreStampa = 0;
    QuadroAnteprima = 1;
    UsaFormato = 0;
    FormatoScelto = 4;
    EstensioneUnione.clear();
    SuffissoUnione.clear();
    ModoImporta = 0;
    RadiceDestinazione.clear();
    CartellaOrigine.clear();
    ClasseScelta.clear();
    ErroreCopia = 0;
}
} // namespace CarQuad
