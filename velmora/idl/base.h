// Stands in for the IDL compiler's output of base.idl: the real declarations.
#pragma once
#include <oaidl.h>
