// A window part that reaches for the global language manager: the check must refuse it.
#include "language/LangMan.h"
