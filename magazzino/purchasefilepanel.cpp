#include "purchasefilepanel.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>

namespace {
const int PathRole = Qt::UserRole;
}

PurchaseFilePanel::PurchaseFilePanel(QComboBox *drives, QListWidget *folders, QListWidget *files, QLineEdit *name,
                                     QObject *parent)
    : QObject(parent), m_drives(drives), m_folders(folders), m_files(files), m_name(name)
{
    fillDrives();
    connect(m_drives, &QComboBox::activated, this, &PurchaseFilePanel::chooseDrive);
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openFolder(item->data(PathRole).toString()); });
    connect(m_files, &QListWidget::currentRowChanged, this, &PurchaseFilePanel::chooseFile);
    openFolder(QDir::currentPath());
}

void PurchaseFilePanel::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    roots.removeDuplicates();
    roots.sort();
    m_drives->clear();
    for (const QString &root : roots)
        m_drives->addItem(QDir::toNativeSeparators(root), root);
}

void PurchaseFilePanel::openFolder(const QString &path)
{
    const QDir dir(path);
    if (!dir.exists())
        return;
    m_folder = dir.absolutePath();
    const int drive = m_drives->findData(QStorageInfo(m_folder).rootPath());
    if (drive >= 0)
        m_drives->setCurrentIndex(drive);
    fillFolders();
    fillFiles();
}

void PurchaseFilePanel::chooseDrive(int index)
{
    openFolder(m_drives->itemData(index).toString());
}

void PurchaseFilePanel::fillFolders()
{
    m_folders->clear();
    // The way down from the root to the open folder, then what lies in it.
    QStringList chain;
    for (QDir dir(m_folder);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QIcon openIcon = m_folders->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = m_folders->style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString &path : chain) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        auto *item = new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + name, m_folders);
        item->setData(PathRole, path);
        ++depth;
    }
    m_folders->setCurrentRow(int(chain.size()) - 1);
    const QDir open(m_folder);
    for (const QString &sub : open.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(closedIcon, QString(depth * 2, QLatin1Char(' ')) + sub, m_folders);
        item->setData(PathRole, open.absoluteFilePath(sub));
    }
}

void PurchaseFilePanel::fillFiles()
{
    const QSignalBlocker quiet(m_files);
    m_files->clear();
    const QIcon fileIcon = m_files->style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString &name : QDir(m_folder).entryList({mask()}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        new QListWidgetItem(fileIcon, name, m_files);
    m_files->setCurrentRow(-1);
    m_name->setText(mask());
}

void PurchaseFilePanel::chooseFile()
{
    QListWidgetItem *item = m_files->currentItem();
    m_name->setText(item ? item->text() : mask());
}
