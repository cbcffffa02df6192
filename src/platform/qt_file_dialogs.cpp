#include "platform/qt_platform.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QScreen>
#include <QTreeView>

namespace {

QLocale french() { return QLocale(QLocale::French, QLocale::France); }

// Qt's file list writes sizes and dates in the system's language ("8 Dec",
// "KiB"): the operator reads them in French whatever that language is.
class FrenchFileDetails final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        enum { SizeColumn = 1, DateColumn = 3 };
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != SizeColumn && index.column() != DateColumn))
            return QIdentityProxyModel::data(index, role);
        const QFileInfo info = files->fileInfo(mapToSource(index));
        if (index.column() == DateColumn)
            return french().toString(info.lastModified(), QLocale::ShortFormat);
        return info.isDir() ? QString() : french().formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
    }
};

QString chosenPath(QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode, const QString& caption,
                   const QString& start, const QString& filter)
{
    QWidget* parent = QApplication::activeWindow();
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setOption(QFileDialog::ShowDirsOnly, fileMode == QFileDialog::Directory);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new FrenchFileDetails(&dialog));
    // Size, type and date as wide as their titles and contents; the name takes the rest.
    if (auto* view = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    // Room for every column of the list: name, size, type and date.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(40, 80) : QSize(1240, 720);
    dialog.resize(QSize(980, 560).boundedTo(room));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::saveFileName(const QString& caption, const QString& proposedPath, const QString& filter)
{
    return chosenPath(QFileDialog::AcceptSave, QFileDialog::AnyFile, caption, proposedPath, filter);
}

QString QtFileDialogs::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return chosenPath(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, caption, folder, filter);
}

QString QtFileDialogs::existingFolder(const QString& caption, const QString& folder)
{
    return chosenPath(QFileDialog::AcceptOpen, QFileDialog::Directory, caption, folder, {});
}
