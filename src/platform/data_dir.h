#pragma once
#include <QString>

// The directory that holds the log, the lists and the scratch files: the
// executable's directory unless DFCF_DATA_DIR names another.
QString dataDirectory();
