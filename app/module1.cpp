#include "app/module1.h"

#include "app/frmOne.h"

namespace Module1 {

void Main()
{
    frmOne::get().Show();
}

} // namespace Module1
