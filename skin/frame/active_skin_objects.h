// Every class of the live frame objects.
#pragma once

#include "skin/active_skin_object.h"
#include "skin/skin_animate_object.h"
#include "skin/skin_button_objects.h"
#include "skin/skin_caption_object.h"
#include "skin/skin_label_objects.h"
#include "skin/skin_main_menu_item.h"
#include "skin/skin_value_objects.h"
