#pragma once

namespace kilnward::form {

class Form;
class NumericItem;

// The number of fuels in use: the whole number the fuel count shows, brought into its range.
// The fuel-count rule and a send both take this one number.
int FuelsInUse(const Form& form);

// A count with a fraction (a hand-edited file) becomes the whole number the field shows; the
// change raises the same edit as any other. False when the count was whole already.
bool MakeFuelCountWhole(NumericItem& count);

}  // namespace kilnward::form
