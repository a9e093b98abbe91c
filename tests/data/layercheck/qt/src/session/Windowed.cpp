// A session file that includes Qt.
#include <QString>
