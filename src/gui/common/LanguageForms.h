#pragma once

#include "data/SessionHistory.h"

#include <QString>

// Dates and figures as the program's language writes them, on screen and on paper: the
// language's own short form with the whole year ("07.12.2026", "7/12/2026") and its decimal
// sign ("3,5") once a translation is in use; English keeps the program's own forms
// (month/day/year, a decimal point). Files the program writes keep their own forms.
history::ShownForms LanguageForms();

// The day `year`-`month`-`day` in those forms; `separator` goes between month, day and year in
// English.
QString LanguageDate(int year, int month, int day, char separator);
