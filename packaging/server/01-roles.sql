-- Kazemaru class server, step 1 of 3: the roles every Kazemaru database on this server shares.
-- Roles belong to the whole PostgreSQL server (the cluster), so this runs once per server, as a
-- superuser (or a role with CREATEROLE):
--     sudo -u postgres psql -v ON_ERROR_STOP=1 -d kazemaru < 01-roles.sql
-- Running it again changes nothing.
--
--   kazemaru_owner    owns the tables and the helper functions; nobody logs in as it, so no
--                     login role is ever exempt from the row-level security of the tables
--   kazemaru_pupil    group of the classes' login roles (one login per class, shared by the
--                     class's computers): adds answers, drill runs and roster entries for its
--                     own class and reads its own class's roster, nothing else
--   kazemaru_teacher  group of the teachers' login roles (one per teacher): reads the roster,
--                     answers and drill runs of the classes it was given, nothing else

DO $roles$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'kazemaru_owner') THEN
        CREATE ROLE kazemaru_owner NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'kazemaru_pupil') THEN
        CREATE ROLE kazemaru_pupil NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = 'kazemaru_teacher') THEN
        CREATE ROLE kazemaru_teacher NOLOGIN;
    END IF;
END
$roles$;

-- The groups themselves never log in, whatever an older set-up left behind.
ALTER ROLE kazemaru_owner NOLOGIN NOSUPERUSER NOBYPASSRLS;
ALTER ROLE kazemaru_pupil NOLOGIN NOSUPERUSER NOBYPASSRLS NOCREATEDB NOCREATEROLE;
ALTER ROLE kazemaru_teacher NOLOGIN NOSUPERUSER NOBYPASSRLS NOCREATEDB NOCREATEROLE;
