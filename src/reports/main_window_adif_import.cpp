#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "reports/adif_import_window.h"
#include "shell/main_window.h"
#include <QAction>
#include <QApplication>
#include <QFileInfo>

namespace {

struct ImportWindows : QObject {
    using QObject::QObject;
    QPointer<Import_ADIF> preview;
};

} // namespace

void Main::wireAdifImport()
{
    auto* windows = new ImportWindows(this);
    connect(Mnu_Import_ADIF, &QAction::triggered, this, [this, windows] {
        const QString path = ctx.fileDialogs->openFileName(QStringLiteral("Importer un fichier ADIF"), ctx.dataDir,
                                                           QStringLiteral("Fichiers ADIF (*.adi *.adx *.ADI *.ADX);;Tous les fichiers (*)"));
        if (path.isEmpty())
            return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        AdifScan scan = scanAdifFile(ctx.dataDir, path);
        QApplication::restoreOverrideCursor();
        if (!scan.error.isEmpty()) {
            ctx.messages->info(scan.error);
            return;
        }
        delete windows->preview; // the preview of another file is replaced
        showSingle(windows->preview, [&] { return new Import_ADIF(*this, QFileInfo(path).fileName(), std::move(scan)); });
    });
}
