#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;

// The chooser of a received file: a drive (mounted volume), a folder list
// (the open folder's ancestors, then its subfolders; activating one opens
// it) and the list of the open folder's "*.xml" files, chained together.
// The name box shows the chosen file's bare name, or the mask while no file
// is chosen.
class PurchaseFilePanel : public QObject
{
    Q_OBJECT
public:
    PurchaseFilePanel(QComboBox *drives, QListWidget *folders, QListWidget *files, QLineEdit *name,
                      QObject *parent = nullptr);

    static QString mask() { return QStringLiteral("*.xml"); }

    void openFolder(const QString &path);
    const QString &folder() const { return m_folder; }

private:
    void fillDrives();
    void fillFolders();
    void fillFiles();
    void chooseDrive(int index);
    void chooseFile();

    QComboBox *m_drives;
    QListWidget *m_folders;
    QListWidget *m_files;
    QLineEdit *m_name;
    QString m_folder;
};
