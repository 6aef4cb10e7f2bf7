#pragma once
// The shared safety rules a reading carries where its test point is a hazard (mains, a charged filter
// capacitor, the horizontal output's pulses, the anode, the tube's neck, a bridge speaker output), and the
// rules a fault's answer carries where its explanation sends the student to such a point. The rules are the
// bench notes' own; only which rule goes where is kept here, by test point and by fault id.

#include "diagrams/areanotes.h"

#include <QString>

#include <initializer_list>
#include <span>
#include <vector>

namespace trainer {

// Which rules, by id, a test point (a stage's own, or a point of its own within a stage) or a fault carries.
struct Hazards
{
    const char* key;
    std::initializer_list<const char*> rules;
};

std::span<const Hazards> readingHazards();
std::span<const Hazards> faultHazards();

// The rules that hold on the set on the bench: the line-connected chassis rule only where the chassis is live
// (a set without a mains transformer); a set with one keeps every other rule.
std::vector<const areanotes::Rule*> onChassis(std::vector<const areanotes::Rule*> rules, bool lineConnected);

// The rules a reading at a test point carries on that set, in the order of areanotes::rules(); none for a
// safe point.
std::vector<const areanotes::Rule*> readingRules(QAnyStringView point, bool lineConnected);

// The rules a fault's answer carries on that set, in the same order; none for a fault whose answer names no
// hazard.
std::vector<const areanotes::Rule*> faultRules(QAnyStringView fault, bool lineConnected);

// The rules' titles on a line of their own, as a reading or a result shows them ("Safety: Anode charge.");
// empty for none.
QString safetyLine(const std::vector<const areanotes::Rule*>& rules);

// Each rule in full, a paragraph each, as the notes show it: for the tooltip and the accessible description.
QString safetyText(const std::vector<const areanotes::Rule*>& rules);

// A reading or a result with its rules' titles on the line under it; the text alone when there are none.
QString withSafety(const QString& text, const std::vector<const areanotes::Rule*>& rules);

} // namespace trainer
