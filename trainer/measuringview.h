#pragma once
// The trainer's measuring view: the program's three block diagrams, drawn from their own design tables (the
// same layout and names), one to a tab. Pointing at a stage measures it: a click on its box, picture or knob
// caption, or Enter or Space on it from the keyboard. Nothing is ever marked in red here, and nothing opens
// a reference page: this view is reached only from the trainer.

#include <QHash>
#include <QTabWidget>

class MeasuringView : public QTabWidget
{
    Q_OBJECT
public:
    // `stages`: the area ids that can be measured; the controls of any other area only show.
    MeasuringView(const QStringList& stages, QWidget* parent = nullptr);

    // The diagram page of a diagram screen's name ("frmLVPower"); null for another name.
    QWidget* page(const QString& screen) const;
    // The first control that measures a stage (its page built when it is not yet); null for a stage not
    // shown.
    QWidget* control(const QString& stage);
    // Every stage that can be measured here, in the order of the diagrams.
    QStringList stages() const { return m_order; }
    // Shows the page of a stage's control and gives the control the focus.
    void focusStage(const QString& stage);

signals:
    void measureRequested(const QString& stage);

private:
    void buildPage(int index);

    QHash<QString, int> m_pageOf;        // the page of each stage's first control
    QHash<QString, QWidget*> m_controls; // the first control of each stage, on the pages built so far
    QStringList m_order;
    bool m_built[3] = {};
};
