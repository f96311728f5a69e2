#pragma once
// A list of the files of a folder, each shown by a name of its own, of which
// one is the current choice. Filling it chooses the stored file (compared
// without regard to case) and says nothing; a choice the user makes is
// announced with the file's name as it exists, also a click on the file
// already chosen (its author may have just changed it).

#include <QListWidget>

#include <string>
#include <utility>
#include <vector>

class FileChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit FileChoiceList(QWidget* parent = nullptr);

    // items: shown name, file name. No item is chosen when none is current.
    void fill(const std::vector<std::pair<QString, QString>>& items, const std::string& current);
    QString chosenFile() const;

signals:
    void chosen(const QString& file);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool filling_ = false;
};
