// Every class of the live frame objects.
#pragma once

#include "skin/frame/active_skin_object.h"
#include "skin/frame/skin_animate_object.h"
#include "skin/frame/skin_button_objects.h"
#include "skin/frame/skin_caption_object.h"
#include "skin/frame/skin_label_objects.h"
#include "skin/frame/skin_main_menu_item.h"
#include "skin/frame/skin_value_objects.h"
