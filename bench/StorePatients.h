#pragma once

#include <QString>

class Patients;

// A nurse's round as the program keeps it, through its own store: that many patients, DPCA and
// DPA with varied counts, half of them with this month's weekdays, calendar or a corrected count
// kept, and the last one made open. Returns why it could not be done, empty when it was.
QString storePatients(Patients& patients, int count);
