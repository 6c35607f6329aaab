#pragma once

// The account lists of the accounts view and the navigation around them:
// the list queries, the pager of every view, group selection, search, tab
// changes and the view switch.
#include "app/lists/AccountListQuery.h"
#include "view/ViewNavigation.h"
#include "view/ViewPaging.h"
