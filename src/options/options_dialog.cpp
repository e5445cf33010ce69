#include "options/options_dialog.h"

#include <QCloseEvent>

// Placeholder: the controls are built in the next step.
Form2::Form2(QWidget* parent) : QDialog(parent) {}
void Form2::Form_Load() {}
void Form2::Load_States() {}
void Form2::Skip_Block() {}
void Form2::Load_Cities(const QString&) {}
void Form2::List1_Click() {}
void Form2::closeEvent(QCloseEvent* event) { QDialog::closeEvent(event); }
void Form2::showEvent(QShowEvent* event) { QDialog::showEvent(event); }
void Form2::Combo3_Click() {}
void Form2::Check5_Click() {}
