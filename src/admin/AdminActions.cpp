#include "admin/AdminActions.h"

#include "admin/AdministratorOperations.h"
#include "admin/DepositOperations.h"
#include "admin/GroupOperations.h"
#include "admin/MainAccountOperations.h"
#include "admin/SubAccountOperations.h"

namespace korvant {

void registerAdminActions(Desk& desk) {
    registerAdministratorActions(desk);
    registerGroupActions(desk);
    registerSubAccountActions(desk);
    registerMainAccountActions(desk);
    registerDepositActions(desk);
}

}  // namespace korvant
