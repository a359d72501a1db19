#include "app/startup.h"

#include "app/about_unit.h"
#include "app/main_unit.h"
#include "materials/add_inv_unit.h"
#include "materials/edit_inv_unit.h"
#include "materials/inv_info_unit.h"
#include "materials/new_rec_unit.h"
#include "materials/rec_list_unit.h"
#include "suppliers/add_comp_unit.h"
#include "suppliers/comp_info_unit.h"
#include "suppliers/edit_comp_unit.h"

namespace app {

Tmain_frm* createWindows(ui::App& app)
{
    auto* main = new Tmain_frm(app);
    app.setMainWindow(main);
    main->FormCreate();

    // The windows in start-up order; a window may use those before it.
    //  1 inv_info_frm       2 add_inv_frm       3 dur_info_frm     4 add_dur_frm
    //  5 comp_info_frm      6 add_comp_frm      7 emp_info_frm     8 user_info_frm
    //  9 add_emp_frm       10 edit_emp_frm     11 land_info_frm   12 add_building_frm
    // 13 add_doc_frm       14 add_land_frm     15 edit_land_frm   16 edit_doc_frm
    // 17 building_info_frm 18 edit_building_frm 19 new_pay_frm    20 new_rec_frm
    // 21 pay_list_frm      22 rec_list_frm     23 rec_dur_frm     24 new_rec_dur_frm
    // 25 add_item_frm      26 bor_list_frm     27 new_bor_frm     28 rep_info_frm
    // 29 add_inform_frm    30 add_inform_item  31 dur_rep_frm     32 add_rep_frm
    // 33 find_dept_frm     34 rec_rep_frm      35 add_dur_item_frm 36 edit_inv_frm
    // 37 edit_comp_frm     38 edit_dur_frm     39 add_emp2_frm    40 edit_emp2_frm
    // 41 backup_frm        42 rollback_frm     43 about_frm
    app.add(new materials::Tinv_info_frm(app));
    app.add(new materials::Tadd_inv_frm(app));
    app.add(new suppliers::Tcomp_info_frm(app));
    app.add(new suppliers::Tadd_comp_frm(app));
    app.add(new materials::Tnew_rec_frm(app));
    app.add(new materials::Trec_list_frm(app));
    app.add(new materials::Tedit_inv_frm(app));
    app.add(new suppliers::Tedit_comp_frm(app));
    app.add(new Tabout_frm(app));

    main->showBuiltWindows();
    return main;
}

} // namespace app
