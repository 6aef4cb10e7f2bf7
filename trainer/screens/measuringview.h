#pragma once
// The trainer's measuring view: the program's three block diagrams, drawn from their own design tables (the
// same layout and names), one to a tab. Pointing at a stage measures it: a click on its box, picture or knob
// caption or dot, or Enter or Space on it from the keyboard, or the Press a screen reader offers; a box,
// picture or knob that is no stage of the set says so when clicked. Nothing is ever marked in red here, and
// nothing opens a reference page: this view is reached only from the trainer.

#include <QHash>
#include <QPointer>
#include <QTabWidget>

class MeasuringView : public QTabWidget
{
    Q_OBJECT
public:
    // `stages`: the area ids that can be measured; the controls of any other area only show.
    MeasuringView(const QStringList& stages, QWidget* parent = nullptr);

    // The names the diagrams give their stages, by area id (trainer::setStageNames): the captions of a
    // stage's boxes that measure it ("1st and 2nd chroma amplifier"), else of its boxes that measure points
    // of its own ("Red, Green and Blue video driver"). A stage
    // with no box of its own goes by its picture's name (the shortest, where a name goes on to describe the
    // picture), else its knob's ("Tint knob"), else the caption beside it ("Antennas").
    static QHash<QString, QString> stageNames();

    // The diagram page of a diagram screen's name ("frmLVPower"); null for another name.
    QWidget* page(const QString& screen) const;
    // The first control that measures a stage (its page built when it is not yet); null for a stage not
    // shown.
    QWidget* control(const QString& stage);
    // Every stage that can be measured here, in the order of the diagrams.
    QStringList stages() const { return m_order; }
    // Shows the page of a stage's control and gives the control the focus.
    void focusStage(const QString& stage);
    // Says what measuring a stage gave on the control pointed at (else the stage's first), which takes the
    // focus: its description becomes the text, so that a screen reader speaks it where the user is.
    void tell(const QString& stage, const QString& text);
    // Gives every control told a reading its note back.
    void forgetReadings();

signals:
    void measureRequested(const QString& stage);

private:
    void buildPage(int index);
    void focusStageControl(QWidget* target);

    QHash<QString, int> m_pageOf;        // the page of each stage's first control
    QHash<QString, QWidget*> m_controls; // the first control of each stage, on the pages built so far
    QStringList m_order;
    bool m_built[3] = {};
    QPointer<QWidget> m_pointed;           // the control pointed at last
    QHash<QWidget*, QString> m_notes;      // the descriptions of the controls told a reading
    QList<QPointer<QWidget>> m_told;
};
