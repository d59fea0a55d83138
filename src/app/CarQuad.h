#pragma once
#include <QString>

// The program's shared variables. Loosely typed values keep the text as typed or read;
// they are converted where used (platform/Conv.h).
namespace CarQuad {
// Start-up and access
extern QString AnnoScolastico;
extern QString NomeUtente, PasswordUtente;
extern int ModoPassword; // 0 access check, 1 change
extern QString TitoloQuadro1, TitoloQuadro2, TitoloQuadro3, TitoloQuadro4;
QString &TitoloQuadro(int n); // n = 1..4

// Archive
extern QString FileAlunni;
extern QString FileAlunno;
extern int Sesso; // 1 male, 0 female
extern QString CartellaClasse;
extern bool RicaricaClassi, RicaricaAlunni;

// Composition
extern int ModoPreselezione;
extern int ModoModifica;
extern int QuadroCorrente; // 0..3
extern QString EstensioneQuadro;
extern QString FileFrasi;
extern QString Scelta1, Scelta2, Scelta3, Scelta4;
extern QString Preselezione1, Preselezione2, Preselezione3, Preselezione4;
QString &Scelta(int n);       // n = 1..4
QString &Preselezione(int n); // n = 1..4

// Print configuration (ConfigStampa)
extern QString Carattere;
extern QString LunghezzaRiga, AltezzaCarattere, Orientamento;
extern QString MargineSuperiore1, MargineSuperiore2, MargineSuperiore3, MargineSuperiore4;
extern qint16 MargineSinistro;
QString &MargineSuperiore(int n); // n = 1..4

// Printing and preview
extern QString TestoStampa;
extern qint16 MargineSuperioreStampa;
extern int QuadroAnteprima; // 1..4
extern int UsaFormato;      // 0 configuration, 1 formats
extern int FormatoScelto;   // 0..3, 4 none

// Merge, export and import
extern QString EstensioneUnione, SuffissoUnione;
extern int ModoImporta;
extern QString RadiceDestinazione, CartellaOrigine, ClasseScelta;
extern qint16 ErroreCopia;

// Back to the values of a program just started (for tests).
void reset();
} // namespace CarQuad
