#pragma once
#include <QString>

// The windows' names, as registered and as their object names.
namespace Finestre {
inline const QString Menu = QStringLiteral("frmSplash");
inline const QString Login = QStringLiteral("frmLogin");
inline const QString Archivio = QStringLiteral("frmModifica");
inline const QString Compila = QStringLiteral("frmCompila");
inline const QString Utilita = QString::fromUtf8("frmUtilit\xc3\xa0");
inline const QString Personalizza = QStringLiteral("frmPersonalizza");
inline const QString Formati = QStringLiteral("frmFormati");
inline const QString Anteprima = QStringLiteral("frmAnteprima");
inline const QString Ripristina = QStringLiteral("frmRipristina");
inline const QString Frasi = QStringLiteral("frmFrasi");
inline const QString ImportaAlunni = QStringLiteral("frmImportaAlunni");
inline const QString StampaClasse = QStringLiteral("frmStampaClasse");
} // namespace Finestre
