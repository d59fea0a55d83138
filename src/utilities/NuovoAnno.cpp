#include "utilities/NuovoAnno.h"
#include "app/CarQuad.h"
#include "platform/Form.h"
#include "platform/Msg.h"
#include "platform/Paths.h"
#include "archive/CopiaPrima.h"
#include "utilities/RicaricaMenu.h"
#include "archive/SvuotaArchivio.h"
#include "platform/Finestre.h"

namespace {
const QString kNonEseguita = QStringLiteral("Impossibile eseguire l'operazione.");

void fallita(const QString &why)
{
    Msg::box(kNonEseguita + QStringLiteral("\n\r ") + why, Msg::Ok, Msg::Critical, QStringLiteral("Utilità"));
}
} // namespace

void NuovoAnno()
{
    if (!Msg::askYesNo(QStringLiteral("Verranno cancellate dall'archivio le classi inserite e le relative cartelle "
                                      "create sul disco fisso.\n\r Il programma verrà reinizializzato.\n\r "
                                      "Vuoi continuare?"),
                       QStringLiteral("Nuovo Anno")))
        return;
    if (!Msg::askYesNo(QStringLiteral("Sei proprio sicuro ?"), QStringLiteral("Conferma Nuovo anno")))
        return;

    Paths::setCurrentFolder(Paths::programFolder());
    // Every listed class is checked before anything is deleted, so a run is done whole or not at all.
    const SvuotaArchivio::Piano piano = SvuotaArchivio::prepara();
    if (!piano.erroreLettura.isEmpty())
        return fallita(piano.erroreLettura);
    if (!piano.classeSenzaFile.isEmpty())
        return fallita(QStringLiteral("Cancella da Archivi le classi e riprova"));
    if (!CopiaPrima(QStringLiteral("Nuovo Anno")))
        return;
    QString error;
    if (!SvuotaArchivio::esegui(piano, &error))
        return fallita(error);

    CarQuad::ModoImporta = 0;
    RicaricaMenu();
    Forms::unload(Finestre::Utilita);
}
