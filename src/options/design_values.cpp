#include "options/design_values.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

void DesignValues::take(const QWidget& window)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isCheckable())
            checks_.emplace_back(button, button->isChecked());
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        texts_.emplace_back(box, box->text());
    for (QSlider* slider : window.findChildren<QSlider*>())
        sliders_.emplace_back(slider, slider->value());
}

void DesignValues::restore() const
{
    // Off first: an option button of a group can only be switched off on its
    // own, and then switching one on never has a checked neighbour to clear.
    for (const auto& [button, on] : checks_) {
        if (on || !button->isChecked())
            continue;
        const QSignalBlocker quiet(button);
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
    for (const auto& [button, on] : checks_) {
        if (on) {
            const QSignalBlocker quiet(button);
            button->setChecked(true);
        }
    }
    for (const auto& [box, text] : texts_)
        box->setText(text);
    for (const auto& [slider, value] : sliders_)
        slider->setValue(value);
}
