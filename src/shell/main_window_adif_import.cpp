#include "platform/data_dir.h"
#include "platform/file_dialogs.h"
#include "reports/adif_import_window.h"
#include "shell/main_window.h"
#include "logbook/log_session.h"
#include "widgets/single_window.h"
#include <QAction>

void Main::wireAdifImport()
{
    connect(Mnu_Import_ADIF, &QAction::triggered, this, [this, preview = QPointer<Import_ADIF>()]() mutable {
        const QString path = ctx.fileDialogs->openFileName(QStringLiteral("Importer un fichier ADIF"), operatorFolder(),
                                                           QStringLiteral("Fichiers ADIF (*.adi *.adx *.ADI *.ADX);;Tous les fichiers (*)"));
        if (path.isEmpty())
            return;
        delete preview; // the preview of another file is replaced, its reading stopped
        showSingle(preview, [&] { return new Import_ADIF(ctx, *logSession, path, this); });
    });
}
