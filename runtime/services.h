#pragma once
// What the screens ask of the world outside the program: message boxes, the beep, printing, ending the
// program and the size of the display. The real implementation talks to Qt; tests install a recording one
// and read back what the screens asked for.

#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

namespace fw {

struct PrintResult
{
    bool ok = true;
    QString reason; // why it failed, one sentence
};

class Services
{
public:
    virtual ~Services() = default;
    // Modal, with the title, the message, one OK button and no icon.
    virtual void MsgBox(const QString& message, const QString& title) = 0;
    virtual void Beep() = 0;
    // Modal, with the title, the question and Yes and No buttons, No the default; true for Yes.
    virtual bool Ask(const QString& question, const QString& title) = 0;
    // Prints the image of a screen's client area on the default printer, with no dialog.
    virtual PrintResult PrintForm(QWidget* client) = 0;
    // Prints a document (the circuit notes) on the default printer, with no dialog, over as many pages as
    // it takes.
    virtual PrintResult PrintDocument(const QTextDocument& document) = 0;
    // Asks where to save a file, with a save dialog that confirms replacing an existing one; empty when the
    // user cancels. `filter` names the kind of file ("CSV files (*.csv)").
    virtual QString SaveFileName(const QString& title, const QString& suggested, const QString& filter) = 0;
    // Ends the program.
    virtual void End() = 0;
    // The display's size in twips.
    virtual QSizeF displaySize() const = 0;
};

Services& services();

// Installs `replacement` for as long as the scope lives, then puts back what was there.
class ServicesScope
{
public:
    explicit ServicesScope(Services& replacement);
    ~ServicesScope();
    ServicesScope(const ServicesScope&) = delete;
    ServicesScope& operator=(const ServicesScope&) = delete;

private:
    Services* m_previous;
};

class QtServices : public Services
{
public:
    void MsgBox(const QString& message, const QString& title) override;
    void Beep() override;
    bool Ask(const QString& question, const QString& title) override;
    PrintResult PrintForm(QWidget* client) override;
    PrintResult PrintDocument(const QTextDocument& document) override;
    QString SaveFileName(const QString& title, const QString& suggested, const QString& filter) override;
    void End() override;
    QSizeF displaySize() const override;
};

// Paints a client area onto any paint device at that device's resolution (vector text, not a bitmap
// scaled up), fitted to the page width. False when the device would not start or finish the page.
bool renderClientArea(QWidget* client, QPagedPaintDevice& device);

class RecordingServices : public Services
{
public:
    struct Message
    {
        QString title;
        QString text;
    };
    std::vector<Message> messages;
    std::vector<Message> questions; // asked, in order
    bool answer = true;             // what every question is answered
    int beeps = 0;
    int ends = 0;
    std::vector<QImage> printed;
    std::vector<QString> printedDocuments;   // their plain text
    QString printFailure;                    // when set, printing fails with this reason
    QSizeF display{1024.0 * 15, 768.0 * 15}; // 1024 x 768 pixels
    QString saveAnswer;                      // the file a save dialog answers with; empty: cancelled
    std::vector<QString> saveTitles;         // the save dialogs asked for
    std::vector<QString> saveSuggested;      // the file each of them suggested

    void MsgBox(const QString& message, const QString& title) override;
    void Beep() override { ++beeps; }
    bool Ask(const QString& question, const QString& title) override
    {
        questions.push_back({title, question});
        return answer;
    }
    PrintResult PrintForm(QWidget* client) override;
    PrintResult PrintDocument(const QTextDocument& document) override;
    QString SaveFileName(const QString& title, const QString& suggested, const QString&) override
    {
        saveTitles.push_back(title);
        saveSuggested.push_back(suggested);
        return saveAnswer;
    }
    void End() override { ++ends; }
    QSizeF displaySize() const override { return display; }
};

} // namespace fw
