#pragma once
// The CAT layer: the folder to catalogue, the file type, what the scan takes
// in, the eject box for a CD, Create and Stop, and the two status lines.

#include "mainwindow/LayerPanel.h"

#include <QString>

class ButtonWeb;
class CheckBoxWeb;
class FolderTree;
class QComboBox;
class QLabel;

// How the layer asks a folder to be catalogued.
struct ScanRequest {
    bool recursive = false;
    bool archiveContents = false;
    bool comments = false;
    QString patterns; // of the chosen file type
};

class CatLayer : public LayerPanel {
    Q_OBJECT
public:
    explicit CatLayer(QWidget& window);

    ScanRequest scanRequest() const;
    QString chosenFolder() const;
    // Chooses a folder of a volume just mounted (the tree reads the volumes again).
    void chooseNewVolume(const QString& mountPoint);
    void reloadFileTypes();

    // The box shows for a folder on a CD; a hidden box never ejects.
    void showEjectBox(bool shown);
    bool ejectAsked() const;

    void setStatus(const QString& first, const QString& second);
    // The second line: the count, then the folder read last, cut in its middle to fit.
    void showProgress(const QString& count, const QString& folder);

signals:
    void createClicked();
    void stopClicked();
    void folderChosen();

private:
    FolderTree* folderTree_ = nullptr;
    QComboBox* fileTypeBox_ = nullptr;
    CheckBoxWeb* recursiveBox_ = nullptr;
    CheckBoxWeb* archiveBox_ = nullptr;
    CheckBoxWeb* commentBox_ = nullptr;
    CheckBoxWeb* ejectBox_ = nullptr;
    ButtonWeb* createButton_ = nullptr;
    ButtonWeb* stopButton_ = nullptr;
    QLabel* ejectLabel_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QLabel* detailLine_ = nullptr;
};
