-- Element blocks and catalog elements of the machine chain (the library the user builds the
-- driven machine from), and the units under which the reports show the carry values.
--
-- Docking codes: 0 = rotary connection (a shaft), 1 = linear connection (a carriage). An
-- element may follow another when the earlier one's mmb_docking_out and the later one's
-- mmb_docking_in are both zero or both non-zero; the motor shaft is rotary, so the first
-- element after the motor needs mmb_docking_in = 0. The last element's mmb_docking_out
-- decides the axis kind of the drive pattern (0: rotary, load speed in deg/s; else linear,
-- load speed in mm/s).
--
-- Code ranges: block n holds elements n*100+1 ...; element e has its input values
-- (t_machine_value) e*100+1 ..., its formula rows (m_machine_calc_value) e*100+1 ... and its
-- calculated items (m_tmp_calc) e*100+1 ...; element 10 is the motor (see
-- 200_machine_20_motor.sql), whose input values 1, 79, 94, 96 and 110 the program fills from
-- the chosen motor.

INSERT INTO m_machine_block (mmb_cd, mmb_name, mmb_docking_in, mmb_docking_out, mmb_image, mmb_note) VALUES
  (1, 'Couplings',        0, 0, 'picture/block/couplings.png',
   'Shaft couplings: rotary in, rotary out, speed unchanged.'),
  (2, 'Reducers',         0, 0, 'picture/block/reducers.png',
   'Gear and belt reductions: rotary in, rotary out, speed divided by the reduction ratio.'),
  (3, 'Rotary to linear', 0, 1, 'picture/block/converters.png',
   'Ball screw, rack and pinion, belt drives: rotary in, linear out.'),
  (4, 'Linear loads',     1, 1, 'picture/block/linear_loads.png',
   'Moving masses, guides, counterweights and forces on a linear axis.'),
  (5, 'Rotary loads',     0, 0, 'picture/block/rotary_loads.png',
   'Discs, cylinders, arms and torques on a rotating shaft.');

-- tme_element_type: 0 plain, 1 accepts an external force (switched on and off per pattern
-- interval; such an element carries only its force, never a mass, because a switched-off
-- element is skipped as a whole), 2 never listed (the motor element).
-- tme_behavior 1: the element holds a load against gravity (the motor search then presets
-- "with brake").
INSERT INTO t_machine_element (tme_cd, tme_mmb_cd, tme_name, tme_behavior, tme_element_type,
                               tme_img_path, tme_selected_img_path, tme_draged_img_path, tme_note) VALUES
  (10,  1, 'Motor', 0, 2,
   'picture/00.jpg', 'picture/00-on.jpg', 'picture/00-drag.jpg',
   'The motor at the head of every chain, with the gear head a geared motor brings.'),
  (101, 1, 'Rigid coupling', 0, 0,
   'picture/element/rigid_coupling.png', 'picture/element/rigid_coupling-on.png',
   'picture/element/rigid_coupling-drag.png',
   'Clamp or sleeve coupling without flexible member; inertia from catalog value or from mass and outer diameter.'),
  (102, 1, 'Disc coupling', 0, 0,
   'picture/element/disc_coupling.png', 'picture/element/disc_coupling-on.png',
   'picture/element/disc_coupling-drag.png',
   'Torsionally stiff coupling with metal disc packs, free of backlash.'),
  (103, 1, 'Jaw coupling', 0, 0,
   'picture/element/jaw_coupling.png', 'picture/element/jaw_coupling-on.png',
   'picture/element/jaw_coupling-drag.png',
   'Two jaw hubs with an elastomer spider; a spider without preload has a small backlash.'),
  (201, 2, 'Gear reducer', 0, 0,
   'picture/element/gear_reducer.png', 'picture/element/gear_reducer-on.png',
   'picture/element/gear_reducer-drag.png',
   'Planetary, spur or helical gear reducer given by ratio, efficiency, inertias and backlash.'),
  (202, 2, 'Timing-belt reduction', 0, 0,
   'picture/element/belt_reduction.png', 'picture/element/belt_reduction-on.png',
   'picture/element/belt_reduction-drag.png',
   'Two toothed pulleys and a timing belt; pulley inertias from pitch, teeth, width and material.'),
  (301, 3, 'Ball screw', 0, 0,
   'picture/element/ball_screw.png', 'picture/element/ball_screw-on.png',
   'picture/element/ball_screw-drag.png',
   'Ball screw and nut: lead, shaft size and material, efficiency, nut preload, critical speed.'),
  (302, 3, 'Rack and pinion', 0, 0,
   'picture/element/rack_pinion.png', 'picture/element/rack_pinion-on.png',
   'picture/element/rack_pinion-drag.png',
   'Spur pinion on a rack given by module and number of teeth.'),
  (303, 3, 'Timing belt axis', 0, 0,
   'picture/element/belt_axis.png', 'picture/element/belt_axis-on.png',
   'picture/element/belt_axis-drag.png',
   'Linear axis driven by a timing belt over a drive pulley and an idler of the same size.'),
  (304, 3, 'Belt conveyor', 0, 0,
   'picture/element/conveyor.png', 'picture/element/conveyor-on.png',
   'picture/element/conveyor-drag.png',
   'Flat belt over a drive roller and tail rollers; the conveyed goods are a linear load after it.'),
  (401, 4, 'Table (horizontal or inclined)', 0, 0,
   'picture/element/table.png', 'picture/element/table-on.png',
   'picture/element/table-drag.png',
   'Table and workpiece on a guide; inclination 0 deg horizontal, 90 deg vertical.'),
  (402, 4, 'Vertical axis load', 1, 0,
   'picture/element/vertical_load.png', 'picture/element/vertical_load-on.png',
   'picture/element/vertical_load-drag.png',
   'Load lifted on a vertical (or steep) guide; needs a holding brake when the power is off.'),
  (403, 4, 'Counterweight', 0, 0,
   'picture/element/counterweight.png', 'picture/element/counterweight-on.png',
   'picture/element/counterweight-drag.png',
   'Counterweight hung over a deflection pulley; moves with the load and reduces the holding force.'),
  (404, 4, 'External force (linear)', 0, 1,
   'picture/element/force_linear.png', 'picture/element/force_linear-on.png',
   'picture/element/force_linear-drag.png',
   'Process force on a linear axis (pressing, cutting, spring); may act in marked intervals only.'),
  (501, 5, 'Disc or rotary table', 0, 0,
   'picture/element/disc.png', 'picture/element/disc-on.png',
   'picture/element/disc-drag.png',
   'Solid disc about its axis, from diameter, thickness and material or from its mass.'),
  (502, 5, 'Hollow cylinder', 0, 0,
   'picture/element/hollow_cylinder.png', 'picture/element/hollow_cylinder-on.png',
   'picture/element/hollow_cylinder-drag.png',
   'Tube, drum or ring about its axis.'),
  (503, 5, 'Arm with off-axis mass', 0, 0,
   'picture/element/arm.png', 'picture/element/arm-on.png',
   'picture/element/arm-drag.png',
   'Arm with a mass at its end; in a vertical plane gravity acts as an unbalance torque.'),
  (504, 5, 'Masses on a pitch circle', 0, 0,
   'picture/element/pitch_circle.png', 'picture/element/pitch_circle-on.png',
   'picture/element/pitch_circle-drag.png',
   'Equal workpieces or fixtures evenly spaced on a circle, as on an index table.'),
  (505, 5, 'External torque (rotary)', 0, 1,
   'picture/element/torque_rotary.png', 'picture/element/torque_rotary-on.png',
   'picture/element/torque_rotary-drag.png',
   'Process torque on a rotating load (tightening, winding, friction); may act in marked intervals only.');

-- Units of the carry values in the reports (read by symbol; these rows belong to no element).
-- "Vout" and "Bout" have no fixed unit (r/min per load speed unit, load length or angle) and
-- are shown as plain numbers.
INSERT INTO t_machine_value (tmv_cd, tmv_name, tmv_symbol, tmv_start_value, tmv_max_value, tmv_muv_cd, tmv_req_value) VALUES
  (90001, 'Carry value: moving mass',            'WAout', NULL, NULL, 201,  0),
  (90002, 'Carry value: load share of inertia',   'WJout', NULL, NULL, 1201, 0),
  (90003, 'Carry value: starting force',          'Uout',  NULL, NULL, 1001, 0),
  (90004, 'Carry value: holding force',           'Hout',  NULL, NULL, 1001, 0),
  (90005, 'Carry value: running resistance force','Fout',  NULL, NULL, 1001, 0),
  (90006, 'Carry value: load inertia',            'JLout', NULL, NULL, 1201, 0),
  (90007, 'Carry value: friction torque',         'TFout', NULL, NULL, 1101, 0),
  (90008, 'Carry value: starting torque',         'TUout', NULL, NULL, 1101, 0),
  (90009, 'Carry value: holding torque',          'THout', NULL, NULL, 1101, 0),
  (90010, 'Carry value: overall efficiency',      'Aout',  NULL, NULL, 1701, 0);
