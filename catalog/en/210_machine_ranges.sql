-- The physical range of every numeric input value of the elements, in its formula unit.
-- A value outside its range is refused when typed and reported when a project or user
-- element file is opened; nothing is calculated from it. lo/hi NULL = no limit on that
-- side; lo_open/hi_open 1 = the limit itself is excluded.
--
-- Ranges by quantity (see catalog/README.md, "Physical ranges of the input values"):
--   length (mm)            required: above 0; optional ("0 = ..."): 0 or more; at most
--                          10 m (diameters, widths, radii), 20 m (shafts, rollers, tubes),
--                          1 m (lead, shaft diameter), 100 mm (belt pitch, module),
--                          10 mm (backlash)
--   mass (kg)              required: above 0; optional: 0 or more; at most 100 t
--   inertia (kg·m²)        0 … 10 000
--   torque, force          0 … 100 000 N·m, 0 … 1 000 000 N; a value of fixed direction may
--                          be negative (-limit … limit)
--   density (kg/m³)        above 0, at most 25 000 (the densest metals are below 23 000)
--   efficiency             above 0, at most 1
--   friction coefficient   0 … 2
--   angle (deg)            inclination -90 … 90; backlash 0 … 10
--   ratio                  reduction ratio above 0, at most 100 000; teeth and numbers of
--                          masses above 0, at most 1 000; numbers of pulleys or rollers
--                          0 … 100; screw mounting 1 … 4; nut friction coefficient 0 … 1

CREATE TEMP TABLE value_range (
  cd      INTEGER PRIMARY KEY,
  lo      TEXT,
  lo_open INTEGER NOT NULL,
  hi      TEXT,
  hi_open INTEGER NOT NULL
);

INSERT INTO value_range (cd, lo, lo_open, hi, hi_open) VALUES
  -- 10 motor (gear head data of the chosen motor; 0 ratio or efficiency = no gear head)
  (1,     '0', 0, '10000',   0),
  (79,    '0', 0, '100000',  0),
  (94,    '0', 0, '100000',  0),
  (96,    '0', 0, '1',       0),
  (110,   '0', 0, '10',      0),
  -- 101, 102, 103 couplings
  (10101, '0', 0, '10000',   0), (10102, '0', 0, '100000', 0), (10103, '0', 0, '10000', 0),
  (10201, '0', 0, '10000',   0), (10202, '0', 0, '100000', 0), (10203, '0', 0, '10000', 0),
  (10301, '0', 0, '10000',   0), (10302, '0', 0, '100000', 0), (10303, '0', 0, '10000', 0),
  (10304, '0', 0, '10',      0),
  -- 201 gear reducer
  (20101, '0', 1, '100000',  0),
  (20102, '0', 1, '1',       0),
  (20103, '0', 0, '10000',   0),
  (20104, '0', 0, '10000',   0),
  (20105, '0', 0, '100000',  0),
  (20106, '0', 0, '10',      0),
  -- 202 timing-belt reduction
  (20201, '0', 1, '100',     0),
  (20202, '0', 1, '1000',    0),
  (20203, '0', 1, '1000',    0),
  (20204, '0', 0, '10000',   0),
  (20205, '0', 0, '10000',   0),
  (20206, '0', 0, '10000',   0),
  (20207, '0', 1, '25000',   0),
  (20208, '0', 0, '100000',  0),
  (20209, '0', 1, '1',       0),
  -- 301 ball screw
  (30101, '0', 1, '1000',    0),
  (30102, '0', 1, '1000',    0),
  (30103, '0', 1, '20000',   0),
  (30104, '0', 1, '25000',   0),
  (30105, '0', 0, '100000',  0),
  (30106, '0', 1, '1',       0),
  (30107, '0', 0, '1000000', 0),
  (30108, '0', 0, '1',       0),
  (30109, '1', 0, '4',       0),
  (30110, '0', 0, '10',      0),
  -- 302 rack and pinion
  (30201, '0', 1, '100',     0),
  (30202, '0', 1, '1000',    0),
  (30203, '0', 0, '10000',   0),
  (30204, '0', 1, '25000',   0),
  (30205, '0', 0, '10000',   0),
  (30206, '0', 1, '1',       0),
  (30207, '0', 0, '10',      0),
  -- 303 timing-belt axis
  (30301, '0', 1, '100',     0),
  (30302, '0', 1, '1000',    0),
  (30303, '0', 0, '10000',   0),
  (30304, '0', 0, '10000',   0),
  (30305, '0', 1, '25000',   0),
  (30306, '0', 0, '100',     0),
  (30307, '0', 0, '10000',   0),
  (30308, '0', 0, '100000',  0),
  (30309, '0', 1, '1',       0),
  (30310, '0', 0, '10',      0),
  -- 304 belt conveyor
  (30401, '0', 1, '10000',   0),
  (30402, '0', 0, '5000',    0),
  (30403, '0', 0, '20000',   0),
  (30404, '0', 1, '25000',   0),
  (30405, '0', 0, '100',     0),
  (30406, '0', 0, '100000',  0),
  (30407, '0', 1, '1',       0),
  -- 401 horizontal table, 402 vertical slide
  (40101, '0', 1, '100000',  0), (40201, '0', 1, '100000',  0),
  (40102, '0', 0, '2',       0), (40202, '0', 0, '2',       0),
  (40103, '0', 0, '2',       0), (40203, '0', 0, '2',       0),
  (40104, '-90', 0, '90',    0), (40204, '-90', 0, '90',    0),
  (40105, '0', 0, '100000',  0), (40205, '0', 0, '100000',  0),
  (40106, '0', 0, '1000000', 0), (40206, '0', 0, '1000000', 0),
  -- the guide's normal force from a gib, clamp or cutting force: signed, a lifting force counts negative
  (40107, '-1000000', 0, '1000000', 0), (40207, '-1000000', 0, '1000000', 0),
  -- 403 counterweight
  (40301, '0', 1, '100000',  0),
  (40302, '-90', 0, '90',    0),
  (40303, '0', 0, '100000',  0),
  -- 404 external force
  (40401, '0', 0, '1000000', 0),
  (40402, '-1000000', 0, '1000000', 0),
  -- 501 disc
  (50101, '0', 1, '10000',   0),
  (50102, '0', 0, '10000',   0),
  (50103, '0', 1, '25000',   0),
  (50104, '0', 0, '100000',  0),
  (50105, '0', 0, '100000',  0),
  -- 502 hollow cylinder
  (50201, '0', 1, '10000',   0),
  (50202, '0', 0, '10000',   0),
  (50203, '0', 0, '20000',   0),
  (50204, '0', 1, '25000',   0),
  (50205, '0', 0, '100000',  0),
  (50206, '0', 0, '100000',  0),
  -- 503 swing arm
  (50301, '0', 1, '100000',  0),
  (50302, '0', 1, '10000',   0),
  (50303, '0', 0, '10000',   0),
  (50304, '0', 0, '100000',  0),
  (50305, '0', 0, '10000',   0),
  (50306, '-90', 0, '90',    0),
  (50307, '0', 0, '100000',  0),
  -- 504 masses on a pitch circle
  (50401, '0', 1, '1000',    0),
  (50402, '0', 1, '100000',  0),
  (50403, '0', 1, '10000',   0),
  (50404, '0', 0, '10000',   0),
  -- 505 external torque
  (50501, '0', 0, '100000',  0),
  (50502, '-100000', 0, '100000', 0);

UPDATE t_machine_value
   SET tmv_min_value = (SELECT lo FROM value_range WHERE cd = tmv_cd),
       tmv_min_open  = (SELECT lo_open FROM value_range WHERE cd = tmv_cd),
       tmv_max_value = (SELECT hi FROM value_range WHERE cd = tmv_cd),
       tmv_max_open  = (SELECT hi_open FROM value_range WHERE cd = tmv_cd)
 WHERE tmv_cd IN (SELECT cd FROM value_range);

DROP TABLE value_range;
