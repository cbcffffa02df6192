#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "reports/adif_standard.h"
#include "shell/main_window.h"
#include <QAction>
#include <QDir>

void Main::wireAdifExport()
{
    connect(Mnu_ADIF_Standard, &QAction::triggered, this, [this] {
        const QString chosen = ctx.fileDialogs->saveFileName(
            QStringLiteral("Exporter le log pour un autre logiciel"),
            QDir(operatorFolder()).filePath(standardFileName(ctx.Indicatif_Station)),
            QStringLiteral("Fichiers ADIF (*.adi *.adx);;ADIF (*.adi);;ADIF en XML (*.adx)"));
        if (chosen.isEmpty())
            return;
        const StandardExport done = exportStandardAdif(ctx.dataDir, ctx.Indicatif_Station, chosen, ctx.clock->now());
        ctx.messages->info(done.result ? done.message : done.result.text());
    });
}
