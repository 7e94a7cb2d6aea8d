#pragma once
// The dialog templates of the New-test dialog, the parameters sheet and the password prompt are
// compiled into the program; this makes them known to the resource loader, once.

namespace vornet {

void LoadParameterTemplates();

}  // namespace vornet
