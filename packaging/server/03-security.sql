-- Kazemaru class server, step 3 of 3: who may do what, held by the database itself through
-- privileges and row-level security, and the administrator's helpers. Run as a superuser after
-- 02-tables.sql:
--     sudo -u postgres psql -v ON_ERROR_STOP=1 -d kazemaru < 03-security.sql
-- Running it again puts every privilege and policy back as written here.
--
-- A class's pupil login adds answers, drill runs and roster entries for its own class and reads
-- its own class's roster. It never reads an answer or a drill run, not even its own class's, and
-- nothing at all of another class. A teacher's login reads the roster, the answers and the drill
-- runs of the classes it was given, and changes nothing.

BEGIN;

-- Only the classes' and teachers' logins connect, and nobody but the administrator creates
-- anything in this database.
DO $database$
BEGIN
    EXECUTE format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO kazemaru_pupil, kazemaru_teacher', current_database());
END
$database$;
REVOKE CREATE ON SCHEMA public FROM PUBLIC;

SET LOCAL ROLE kazemaru_owner;

REVOKE ALL ON ALL TABLES IN SCHEMA kazemaru FROM PUBLIC, kazemaru_pupil, kazemaru_teacher;
REVOKE ALL ON SCHEMA kazemaru FROM PUBLIC;
GRANT USAGE ON SCHEMA kazemaru TO kazemaru_pupil, kazemaru_teacher;

-- The classes the logged-in role may use. It reads class_members, which no login may read, so it
-- runs as the tables' owner; session_user is the login itself, whatever role it has set.
CREATE OR REPLACE FUNCTION kazemaru.my_classes() RETURNS SETOF text
    LANGUAGE sql STABLE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
AS $$
    SELECT m.class_code FROM kazemaru.class_members AS m WHERE m.role_name = session_user
$$;
REVOKE ALL ON FUNCTION kazemaru.my_classes() FROM PUBLIC;
GRANT EXECUTE ON FUNCTION kazemaru.my_classes() TO kazemaru_pupil, kazemaru_teacher;

-- Every policy is made anew below; one that is not written here does not survive.
DO $policies$
DECLARE
    p record;
BEGIN
    FOR p IN SELECT policyname, tablename FROM pg_catalog.pg_policies WHERE schemaname = 'kazemaru' LOOP
        EXECUTE format('DROP POLICY %I ON kazemaru.%I', p.policyname, p.tablename);
    END LOOP;
END
$policies$;

-- Row-level security on every table, for the owner too (FORCE), so that only the policies below
-- let rows through.
ALTER TABLE kazemaru.classes ENABLE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.classes FORCE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.class_members ENABLE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.class_members FORCE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.pupils ENABLE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.pupils FORCE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.answers ENABLE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.answers FORCE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.drill_runs ENABLE ROW LEVEL SECURITY;
ALTER TABLE kazemaru.drill_runs FORCE ROW LEVEL SECURITY;

-- Every login may ask which design the database has.
GRANT SELECT ON kazemaru.schema_version TO kazemaru_pupil, kazemaru_teacher;

-- Classes: each login sees the classes it may use (a computer checks its class setting).
GRANT SELECT ON kazemaru.classes TO kazemaru_pupil, kazemaru_teacher;
CREATE POLICY own_classes ON kazemaru.classes FOR SELECT TO kazemaru_pupil, kazemaru_teacher
    USING (code IN (SELECT kazemaru.my_classes()));

-- class_members: read by my_classes() alone.
CREATE POLICY owner_reads ON kazemaru.class_members FOR SELECT TO kazemaru_owner USING (true);

-- The roster: a class's computers read it and add children to it; a teacher reads it.
GRANT SELECT ON kazemaru.pupils TO kazemaru_pupil, kazemaru_teacher;
GRANT INSERT (uid, class_code, name, colour) ON kazemaru.pupils TO kazemaru_pupil;
CREATE POLICY own_roster ON kazemaru.pupils FOR SELECT TO kazemaru_pupil, kazemaru_teacher
    USING (class_code IN (SELECT kazemaru.my_classes()));
CREATE POLICY join_roster ON kazemaru.pupils FOR INSERT TO kazemaru_pupil
    WITH CHECK (class_code IN (SELECT kazemaru.my_classes()));

-- Answers and drill runs: a class's computers add them, a teacher reads them.
GRANT INSERT (uid, class_code, child_uid, answered_at, lesson, sub_topic, kind, problem, given, expected,
              correct, seconds, attempt)
    ON kazemaru.answers TO kazemaru_pupil;
GRANT SELECT ON kazemaru.answers TO kazemaru_teacher;
CREATE POLICY add_answers ON kazemaru.answers FOR INSERT TO kazemaru_pupil
    WITH CHECK (class_code IN (SELECT kazemaru.my_classes()));
CREATE POLICY read_answers ON kazemaru.answers FOR SELECT TO kazemaru_teacher
    USING (class_code IN (SELECT kazemaru.my_classes()));

GRANT INSERT (uid, class_code, child_uid, started, drill, sub_topic, places, time_limit, problems, rights, score,
              seconds, ending)
    ON kazemaru.drill_runs TO kazemaru_pupil;
GRANT SELECT ON kazemaru.drill_runs TO kazemaru_teacher;
CREATE POLICY add_runs ON kazemaru.drill_runs FOR INSERT TO kazemaru_pupil
    WITH CHECK (class_code IN (SELECT kazemaru.my_classes()));
CREATE POLICY read_runs ON kazemaru.drill_runs FOR SELECT TO kazemaru_teacher
    USING (class_code IN (SELECT kazemaru.my_classes()));

-- The administrator's helpers. They run with the administrator's own rights (a superuser), never
-- as the owner, and no login may call them. A login name is kept to lowercase letters, digits
-- and "_", so that it is written the same way in psql, in the password file and in the program.

CREATE OR REPLACE FUNCTION kazemaru.check_login_name(login text) RETURNS void
    LANGUAGE plpgsql IMMUTABLE
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF login IS NULL OR login !~ '^[a-z_][a-z0-9_]{0,62}$' THEN
        RAISE EXCEPTION 'login name "%" must be lowercase letters, digits and _ (not starting with a digit)', login;
    END IF;
    IF login LIKE 'kazemaru\_%' OR login LIKE 'pg\_%' THEN
        RAISE EXCEPTION 'login name "%" is reserved', login;
    END IF;
END
$$;

-- A login that already exists may become a class's or a teacher's only if it has no special rights.
CREATE OR REPLACE FUNCTION kazemaru.check_plain_login(login text) RETURNS void
    LANGUAGE plpgsql STABLE
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF EXISTS (SELECT FROM pg_catalog.pg_roles AS r
               WHERE r.rolname = login AND (r.rolsuper OR r.rolbypassrls OR r.rolcreaterole OR r.rolcreatedb)) THEN
        RAISE EXCEPTION 'login "%" has special rights and cannot be used for a class or a teacher', login;
    END IF;
END
$$;

-- Creates (or renames) a class and the login its computers share. Set the login's password
-- afterwards with psql's \password, which never sends it in plain text.
CREATE OR REPLACE FUNCTION kazemaru.add_class(new_code text, new_title text, pupil_login text) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM kazemaru.check_login_name(pupil_login);
    PERFORM kazemaru.check_plain_login(pupil_login);
    INSERT INTO kazemaru.classes AS c (code, title) VALUES (new_code, coalesce(new_title, ''))
        ON CONFLICT ON CONSTRAINT classes_pkey DO UPDATE SET title = excluded.title;
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles AS r WHERE r.rolname = pupil_login) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', pupil_login);
    ELSIF pg_catalog.pg_has_role(pupil_login, 'kazemaru_teacher', 'MEMBER') THEN
        RAISE EXCEPTION 'login "%" is a teacher''s', pupil_login;
    END IF;
    EXECUTE format('GRANT kazemaru_pupil TO %I', pupil_login);
    INSERT INTO kazemaru.class_members (role_name, class_code) VALUES (pupil_login, new_code)
        ON CONFLICT ON CONSTRAINT class_members_pkey DO NOTHING;
END
$$;

-- Creates a teacher's login. Set its password afterwards with \password.
CREATE OR REPLACE FUNCTION kazemaru.add_teacher(teacher_login text) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM kazemaru.check_login_name(teacher_login);
    PERFORM kazemaru.check_plain_login(teacher_login);
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles AS r WHERE r.rolname = teacher_login) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', teacher_login);
    ELSIF pg_catalog.pg_has_role(teacher_login, 'kazemaru_pupil', 'MEMBER') THEN
        RAISE EXCEPTION 'login "%" is a class''s', teacher_login;
    END IF;
    EXECUTE format('GRANT kazemaru_teacher TO %I', teacher_login);
END
$$;

-- Lets a teacher read a class, or stops it.
CREATE OR REPLACE FUNCTION kazemaru.give_class(teacher_login text, class_to_give text) RETURNS void
    LANGUAGE plpgsql
    SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles AS r WHERE r.rolname = teacher_login) THEN
        RAISE EXCEPTION 'there is no login "%" (make it with kazemaru.add_teacher)', teacher_login;
    ELSIF NOT pg_catalog.pg_has_role(teacher_login, 'kazemaru_teacher', 'MEMBER') THEN
        RAISE EXCEPTION '"%" is not a teacher''s login (make it with kazemaru.add_teacher)', teacher_login;
    END IF;
    IF NOT EXISTS (SELECT FROM kazemaru.classes AS c WHERE c.code = class_to_give) THEN
        RAISE EXCEPTION 'there is no class "%" (make it with kazemaru.add_class)', class_to_give;
    END IF;
    INSERT INTO kazemaru.class_members (role_name, class_code) VALUES (teacher_login, class_to_give)
        ON CONFLICT ON CONSTRAINT class_members_pkey DO NOTHING;
END
$$;

CREATE OR REPLACE FUNCTION kazemaru.take_class(teacher_login text, class_to_take text) RETURNS void
    LANGUAGE sql
    SET search_path = pg_catalog, pg_temp
AS $$
    DELETE FROM kazemaru.class_members AS m WHERE m.role_name = teacher_login AND m.class_code = class_to_take
$$;

REVOKE ALL ON FUNCTION kazemaru.check_login_name(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION kazemaru.check_plain_login(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION kazemaru.add_class(text, text, text) FROM PUBLIC;
REVOKE ALL ON FUNCTION kazemaru.add_teacher(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION kazemaru.give_class(text, text) FROM PUBLIC;
REVOKE ALL ON FUNCTION kazemaru.take_class(text, text) FROM PUBLIC;

COMMIT;
