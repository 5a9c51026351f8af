#include "editor/ValueChangeListener.h"

void ValueChangeListener::parameterValueChanged (int, float) {}

void ValueChangeListener::parameterGestureChanged (int, bool) {}
